#pragma once
#include <stdexcept>
#include <string>

namespace qz {

// A run-time error as the map tools raise it: a number the caller can test (9, 6) and its text.
class RunError : public std::runtime_error {
public:
    RunError(int number, const std::string& text);
    int number() const { return number_; }

private:
    int number_;
};

inline constexpr int kErrOverflow = 6;
inline constexpr int kErrSubscript = 9;

[[noreturn]] void raiseSubscript();
[[noreturn]] void raiseOverflow();

// Throws subscript-out-of-range unless 0 <= index < size.
inline void checkIndex(long long index, long long size)
{
    if (index < 0 || index >= size) raiseSubscript();
}

}  // namespace qz
