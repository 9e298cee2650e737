// Runs the real programs for end-to-end tests: in a given folder, with extra
// environment, ended by a signal or by themselves.
#pragma once

#include <sys/types.h>

#include <functional>
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

// Waits until `done` gives true, up to `seconds`; whether it did.
bool WaitUntil(const std::function<bool()>& done, double seconds);

// Waits until `path` holds `text`, up to `seconds`.
bool WaitForText(const std::string& path, const std::string& text, double seconds);

// Runs a command to its end and returns its exit code.
int RunCommand(const std::vector<std::string>& command, const std::vector<std::string>& env);

// The folder of the default content made once per test run (the default_content test), or
// made here when there is none yet; "" when it cannot be had. Tests that play the show
// work on a copy.
std::string DefaultContent();
// Copies the default content into `folder`; false when it cannot be had.
bool CopyDefaultContent(const std::string& folder);

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

// Waits for the window titled "Torvane 1.0" to be mapped on `display`, then presses Esc
// now and then until the program ends (at most a minute); true when it has ended.
bool PressEscUntilEnded(RunningProgram& program, const VirtualDisplay& display);

}  // namespace testing_support
