#include "engine/ceilbug_log.h"

#include <string>

#include "platform/numbers.h"

namespace engine::render {

CeilbugLog::~CeilbugLog()
{
    if (file_) std::fclose(file_);
}

void CeilbugLog::writeSpan(int32_t firstColumn, int32_t row, int32_t length)
{
    if (!file_) file_ = std::fopen("ceilbug.log", "a");
    if (!file_) return;
    std::string line = qz::printZones({qz::numText(firstColumn), qz::numText(row), qz::numText(length), qz::numText(0)});
    line += '\n';
    std::fputs(line.c_str(), file_);
}

}  // namespace engine::render
