// The whole show captured to MP4 (640 × 480, 25 fps) beside the show's own length: the
// capture's wall time and the peak memory of it and its encoder, whichever is larger.
//
// usage: capture_bench CAPTURE FOLDER   (FOLDER holds the content torvane-data writes)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>

extern char** environ;

int main(int argc, char** argv) {
    if (argc != 3 || chdir(argv[2]) != 0) {
        std::fprintf(stderr, "usage: capture_bench CAPTURE FOLDER\n");
        return 2;
    }
    std::string program = argv[1];
    char video[] = "--video";
    char folder[] = "bench-video";
    char* arguments[] = {program.data(), video, folder, nullptr};
    auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, arguments[0], nullptr, nullptr, arguments, environ) != 0) {
        std::fprintf(stderr, "capture_bench: cannot start %s\n", arguments[0]);
        return 1;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "whole show to MP4 at 640x480, 25 fps: %.1f s against the show's 336 s (%.2f x); "
        "peak memory %.0f MB%s\n",
        seconds, seconds / 336.0, static_cast<double>(usage.ru_maxrss) / 1024.0,
        WIFEXITED(status) && WEXITSTATUS(status) == 0 ? "" : " (capture FAILED)");
    return 0;
}
