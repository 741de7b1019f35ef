#include "tests/support/run_program.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>
#include <thread>

extern char** environ;

namespace qztest {

namespace {

pid_t spawnProgram(const std::string& program, const std::vector<std::string>& args, const TempDir& outputs)
{
    const std::string outPath = outputs.file("stdout");
    const std::string errPath = outputs.file("stderr");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) throw std::runtime_error("cannot start " + program);
    return pid;
}

}  // namespace

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args)
{
    TempDir dir;
    pid_t pid = spawnProgram(program, args, dir);
    int status = 0;
    waitpid(pid, &status, 0);

    ProgramResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readText(dir.file("stdout"));
    result.err = readText(dir.file("stderr"));
    return result;
}

RunningProgram::RunningProgram(const std::string& program, const std::vector<std::string>& args)
    : pid_(spawnProgram(program, args, outputs_))
{
}

RunningProgram::~RunningProgram() { terminate(); }

void RunningProgram::reap(int status)
{
    ending_ = WIFEXITED(status) ? "exit " + std::to_string(WEXITSTATUS(status))
                                : "signal " + std::to_string(WTERMSIG(status));
}

bool RunningProgram::waitForEnd(std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!ending_) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            reap(status);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ending_.has_value();
}

void RunningProgram::terminate() { kill(SIGTERM); }

void RunningProgram::kill(int signal)
{
    if (ending_) return;
    ::kill(pid_, signal);
    int status = 0;
    waitpid(pid_, &status, 0);
    reap(status);
}

}  // namespace qztest
