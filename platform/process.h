// Finding and running another program: posix_spawn on Linux, the C runtime's spawn on Windows.
#pragma once

#include <string>
#include <vector>

namespace platform {

// How a program run ended.
struct ProgramExit {
    bool started = false;
    bool notFound = false;  // no such program on the search path
    int status = -1;        // the exit status; -1 when it did not exit normally
    std::string error;      // why it did not start
};

// Whether `program` is an executable in one of the PATH folders.
bool ProgramOnPath(const std::string& program);

// Runs words[0], searched on PATH, with the other words as arguments; its standard output
// is discarded. Waits for it to end.
ProgramExit RunProgram(const std::vector<std::string>& words);

}  // namespace platform
