#pragma once
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/test_support.h"

namespace qztest {

struct ProgramResult {
    int exitCode = -1;  // -1 when the program did not end normally
    std::string out;
    std::string err;
};

// Runs the program with the arguments (no shell) and collects its exit code and both outputs.
ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args);

// A program started with the arguments (no shell) in the current directory and left running, as a
// person starts a windowed program; its outputs go to files. It is terminated when the object goes.
class RunningProgram {
public:
    RunningProgram(const std::string& program, const std::vector<std::string>& args);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Waits until the program ends or the time is up; true when it has ended.
    bool waitForEnd(std::chrono::milliseconds timeout);
    // How it ended: "exit N" or "signal N", or nothing while it runs.
    std::optional<std::string> ending() const { return ending_; }
    // Asks it to stop (SIGTERM) and waits for it.
    void terminate();
    // Ends it with the signal (SIGKILL: at once, with no chance to clean up) and waits for it.
    void kill(int signal);
    std::string err() const { return readText(outputs_.file("stderr")); }

private:
    void reap(int status);

    TempDir outputs_;
    pid_t pid_ = 0;
    std::optional<std::string> ending_;
};

}  // namespace qztest
