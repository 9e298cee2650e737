// Finding and running another program: posix_spawn on Linux, the C runtime's spawn on Windows.
#pragma once

#include <cstdint>
#include <cstdio>
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

// A program reading its standard input from `input`.
struct PipedProgram {
    std::FILE* input = nullptr;  // null when the program did not start
    int64_t id = -1;             // the process, where the system needs it to wait
};

// Starts words[0], searched on PATH, reading its standard input from the returned stream.
// A program that dies shows as a failed write on `input`, not as a signal.
PipedProgram StartPipedProgram(const std::vector<std::string>& words);

// Closes the stream and waits for the program; true when both went cleanly and it exited 0.
bool FinishPipedProgram(PipedProgram& program);

}  // namespace platform
