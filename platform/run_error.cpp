#include "platform/run_error.h"

namespace qz {

RunError::RunError(int number, const std::string& text) : std::runtime_error(text), number_(number) {}

void raiseSubscript() { throw RunError(kErrSubscript, "Subscript out of range"); }

void raiseOverflow() { throw RunError(kErrOverflow, "Overflow"); }

}  // namespace qz
