// Finds and runs the external programs and fonts that generation depends on.
#include "tools/data/prerequisites.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tools::data {
namespace {

constexpr const char* kDejaVuFolder = "/usr/share/fonts/truetype/dejavu/";

std::runtime_error Missing(const std::string& what, const char* package) {
    return std::runtime_error(what + " is missing; install the Debian package " + package +
                              " (scripts/setup.sh installs everything)");
}

bool OnPath(const std::string& program) {
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

}  // namespace

std::string DejaVuFontPath(const std::string& fileName) {
    return kDejaVuFolder + fileName;
}

void RequireTool(const ExternalTool& tool) {
    if (!OnPath(tool.program)) {
        throw Missing(std::string("the program ") + tool.program, tool.package);
    }
}

void RequireFont(const std::string& fileName) {
    if (!std::filesystem::is_regular_file(DejaVuFontPath(fileName))) {
        throw Missing("the font file " + DejaVuFontPath(fileName), "fonts-dejavu-core");
    }
}

void RequireAll() {
    RequireTool(kEspeak);
    RequireTool(kLame);
    for (const char* font : {kSansBold, kSans, kSerif, kSerifItalic}) {
        RequireFont(font);
    }
}

void RunTool(const ExternalTool& tool, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{tool.program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int error = posix_spawnp(&child, tool.program, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (error == ENOENT) {
        throw Missing(std::string("the program ") + tool.program, tool.package);
    }
    if (error != 0) {
        throw std::runtime_error(std::string("cannot start ") + tool.program + ": " +
                                 std::strerror(error));
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(std::string(tool.program) + " failed (status " +
                                 std::to_string(status) + ")");
    }
}

}  // namespace tools::data
