#pragma once
#include <cstdint>
#include <cstdio>

namespace engine::render {

// "ceilbug.log" in the current directory, appended to on the one frame that asks for it. The
// file is opened at the first line and closed with the object.
class CeilbugLog {
public:
    CeilbugLog() = default;
    ~CeilbugLog();
    CeilbugLog(const CeilbugLog&) = delete;
    CeilbugLog& operator=(const CeilbugLog&) = delete;

    // One floor span: first column, row, length and 0, in print zones.
    void writeSpan(int32_t firstColumn, int32_t row, int32_t length);

private:
    std::FILE* file_ = nullptr;
};

}  // namespace engine::render
