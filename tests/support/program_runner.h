// Runs the real programs for end-to-end tests: in a given folder, with extra
// environment, ended by a signal or by themselves.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace testing_support {

// Path of a program built beside the tests (e.g. "torvane").
std::string ProgramPath(const std::string& name);

class RunningProgram {
public:
    RunningProgram(const std::vector<std::string>& command, const std::string& folder,
                   const std::vector<std::string>& environment);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    void Signal(int signal) const;
    // Waits up to `seconds` for the program to end; true when it has.
    bool EndsWithin(double seconds);
    // Waits until the program ends; its exit code, or -1 if it had to be killed after
    // `seconds` or died from a signal.
    int Wait(double seconds);

private:
    pid_t pid_ = -1;
    int exitCode_ = -1;
};

// Waits until `path` holds `text`, up to `seconds`.
bool WaitForText(const std::string& path, const std::string& text, double seconds);

// Runs a command to its end and returns its exit code.
int RunCommand(const std::vector<std::string>& command, const std::vector<std::string>& env);

// A virtual X display for tests that need real windows and keys.
class VirtualDisplay {
public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool ready() const { return ready_; }
    // "DISPLAY=:N"
    std::string environment() const { return "DISPLAY=:" + std::to_string(number_); }

private:
    int number_ = 0;
    bool ready_ = false;
    RunningProgram* server_ = nullptr;
};

}  // namespace testing_support
