#pragma once
#include <string>
#include <vector>

namespace qztest {

struct ProgramResult {
    int exitCode = -1;  // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// Runs the program with the arguments (no shell) and collects its exit code and both outputs.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args);

}  // namespace qztest
