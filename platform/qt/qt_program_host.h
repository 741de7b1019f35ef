#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>

// A windowed program's host on Qt, for programs whose own code stays free of Qt: it makes the
// application, routes message boxes to Qt, installs the Qt window services and takes the host's
// options out of the command line:
//   --scale N      the client area shown N times as large (1 to 4); what the program draws keeps its size
//   --drive STEPS  steps played into the main window once it runs (see QtDriveScript)
namespace qz {

class QtProgramHost {
public:
    using Clock = std::chrono::steady_clock;
    using TickObserver = std::function<void(Clock::time_point arrival)>;

    QtProgramHost(int& argc, char** argv, const std::string& displayName);
    ~QtProgramHost();
    QtProgramHost(const QtProgramHost&) = delete;
    QtProgramHost& operator=(const QtProgramHost&) = delete;

    // What is wrong with the host's options; empty when nothing is.
    const std::string& optionError() const;
    // The arguments the host leaves to the program, joined by spaces.
    std::string commandLine() const;

    // Plays steps as --drive does.
    void drive(const std::string& steps);
    // Told after every timer tick of the program's windows.
    void setTickObserver(TickObserver observer);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace qz
