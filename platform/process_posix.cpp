// Programs found through PATH and started with posix_spawn.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/process.h"

extern char** environ;

namespace platform {
namespace {

std::vector<char*> Arguments(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    return argv;
}

// The child's exit status, or -1 when it did not exit normally.
int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool ProgramOnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        std::string candidate = (folder.empty() ? "." : folder) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

ProgramExit RunProgram(const std::vector<std::string>& words) {
    std::vector<std::string> copies = words;
    std::vector<char*> argv = Arguments(copies);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int error = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ProgramExit exit;
    if (error != 0) {
        exit.notFound = error == ENOENT;
        exit.error = std::strerror(error);
        return exit;
    }
    exit.started = true;
    exit.status = WaitFor(child);
    return exit;
}

PipedProgram StartPipedProgram(const std::vector<std::string>& words) {
    signal(SIGPIPE, SIG_IGN);
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return {};
    }
    std::vector<std::string> copies = words;
    std::vector<char*> argv = Arguments(copies);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    pid_t child = -1;
    int error = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[0]);
    if (error != 0) {
        close(ends[1]);
        return {};
    }
    return {fdopen(ends[1], "wb"), child};
}

bool FinishPipedProgram(PipedProgram& program) {
    bool closed = std::fclose(program.input) == 0;
    program.input = nullptr;
    return WaitFor(static_cast<pid_t>(program.id)) == 0 && closed;
}

}  // namespace platform
