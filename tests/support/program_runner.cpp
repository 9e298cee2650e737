// Child processes and a virtual X server for end-to-end tests.
#include "support/program_runner.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_folder.h"

namespace testing_support {
namespace {

void Sleep(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace

std::string DefaultContent() {
    const std::string content = std::string(TORVANE_BINARY_DIR) + "/default-content";
    bool made = std::filesystem::exists(content + "/Campath1.vcp") ||
                RunCommand({ProgramPath("torvane-data"), content}, {}) == 0;
    return made ? content : "";
}

bool CopyDefaultContent(const std::string& folder) {
    const std::string content = DefaultContent();
    if (!content.empty()) {
        std::filesystem::copy(content, folder,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }
    return !content.empty();
}

std::string ProgramPath(const std::string& name) {
    return std::string(TORVANE_BINARY_DIR) + "/" + name;
}

RunningProgram::RunningProgram(const std::vector<std::string>& command, const std::string& folder,
                               const std::vector<std::string>& environment) {
    std::vector<std::string> args = command;
    // Mesa keeps allocations until exit; leak reports would only name the driver.
    std::vector<std::string> env = {"ASAN_OPTIONS=detect_leaks=0"};
    env.insert(env.end(), environment.begin(), environment.end());
    pid_ = fork();
    if (pid_ == 0) {
        if (!folder.empty() && chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        for (std::string& entry : env) {
            putenv(entry.data());
        }
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        execv(args[0].c_str(), argv.data());
        _exit(127);
    }
}

RunningProgram::~RunningProgram() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void RunningProgram::Signal(int signal) const {
    if (pid_ > 0) {
        kill(pid_, signal);
    }
}

bool RunningProgram::EndsWithin(double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (pid_ > 0) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        } else if (std::chrono::steady_clock::now() > deadline) {
            return false;
        } else {
            Sleep(20);
        }
    }
    return true;
}

int RunningProgram::Wait(double seconds) {
    if (!EndsWithin(seconds)) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
        exitCode_ = -1;
    }
    return exitCode_;
}

bool WaitUntil(const std::function<bool()>& done, double seconds) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

bool WaitForText(const std::string& path, const std::string& text, double seconds) {
    return WaitUntil([&] { return ReadText(path).find(text) != std::string::npos; }, seconds);
}

int RunCommand(const std::vector<std::string>& command, const std::vector<std::string>& env) {
    RunningProgram program(command, "", env);
    return program.Wait(240);  // a bound against a hang, far above any real run
}

VirtualDisplay::VirtualDisplay() {
    if (access("/usr/bin/Xvfb", X_OK) != 0) {
        return;
    }
    // The server picks a free display itself and writes its number to the pipe, so
    // tests running side by side never share one.
    int channel[2];
    if (pipe(channel) != 0) {
        return;
    }
    server_ = new RunningProgram({"/usr/bin/Xvfb", "-displayfd", std::to_string(channel[1]),
                                  "-screen", "0", "1024x768x24", "-nolisten", "tcp"},
                                 "", {});
    close(channel[1]);
    std::string number;
    char c;
    while (read(channel[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(channel[0]);
    if (!number.empty()) {
        number_ = std::stoi(number);
        ready_ = true;
    }
}

VirtualDisplay::~VirtualDisplay() {
    if (server_) {
        server_->Signal(SIGTERM);
        server_->Wait(5);
        delete server_;
    }
}

bool PressEscUntilEnded(RunningProgram& program, const VirtualDisplay& display) {
    // The key reaches the program only once its window is mapped and polled.
    if (RunCommand(
            {"/usr/bin/xdotool", "search", "--sync", "--onlyvisible", "--name", "Torvane 1.0"},
            {display.environment()}) != 0) {
        return false;
    }
    for (int press = 0; press < 20; ++press) {
        RunCommand({"/usr/bin/xdotool", "key", "Escape"}, {display.environment()});
        if (program.EndsWithin(3)) {
            return true;
        }
    }
    return false;
}

}  // namespace testing_support
