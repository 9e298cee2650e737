// Programs found with SearchPath and started with the C runtime's _spawnvp.
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/process.h"

namespace platform {
namespace {

// _spawnvp joins the arguments with spaces, so each one is quoted the way the C runtime
// splits a command line again: backslashes before a quote are doubled.
std::string Quoted(const std::string& word) {
    if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos) {
        return word;
    }
    std::string quoted = "\"";
    size_t backslashes = 0;
    for (char c : word) {
        if (c == '\\') {
            ++backslashes;
        } else {
            quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, '\\');
    return quoted + "\"";
}

std::string CommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        line += (line.empty() ? "" : " ") + Quoted(word);
    }
    return line;
}

}  // namespace

bool ProgramOnPath(const std::string& program) {
    char found[MAX_PATH];
    return SearchPathA(nullptr, program.c_str(), ".exe", MAX_PATH, found, nullptr) != 0;
}

ProgramExit RunProgram(const std::vector<std::string>& words) {
    std::vector<std::string> quoted;
    for (const std::string& word : words) {
        quoted.push_back(Quoted(word));
    }
    std::vector<const char*> argv;
    for (const std::string& word : quoted) {
        argv.push_back(word.c_str());
    }
    argv.push_back(nullptr);

    // The child inherits standard output; point it at NUL for the run.
    std::fflush(stdout);
    int savedOutput = _dup(1);
    int nul = _open("NUL", _O_WRONLY);
    _dup2(nul, 1);
    intptr_t status = _spawnvp(_P_WAIT, words[0].c_str(), argv.data());
    int error = errno;
    _dup2(savedOutput, 1);
    _close(savedOutput);
    _close(nul);

    ProgramExit exit;
    if (status < 0) {
        exit.notFound = error == ENOENT;
        exit.error = std::strerror(error);
        return exit;
    }
    exit.started = true;
    exit.status = static_cast<int>(status);
    return exit;
}

PipedProgram StartPipedProgram(const std::vector<std::string>& words) {
    return {_popen(CommandLine(words).c_str(), "wb"), -1};
}

bool FinishPipedProgram(PipedProgram& program) {
    int status = _pclose(program.input);
    program.input = nullptr;
    return status == 0;
}

}  // namespace platform
