// The capture tool's command line.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tools/capture/capture.h"

namespace tools::capture {
namespace {

const char* kUsage =
    "usage: torvane-capture [--fps N] [--size WxH] [--at T1,T2,...] [--sheet FILE] OUTDIR\n"
    "Plays the show in the current folder offscreen and writes its frames as PNG files.\n"
    "  --fps N      frames per second of presentation time (default 25)\n"
    "  --size WxH   frame size (default 640x480)\n"
    "  --at T,...   keep only the first frame at or after each time, in seconds\n"
    "  --sheet FILE also lay the kept frames out in one PNG\n";

bool ParseTimes(const std::string& text, std::vector<double>& times) {
    std::stringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        char* end = nullptr;
        double value = std::strtod(item.c_str(), &end);
        if (item.empty() || *end != '\0' || value < 0) {
            return false;
        }
        times.push_back(value);
    }
    return !times.empty();
}

bool ParseSize(const std::string& text, int& width, int& height) {
    return std::sscanf(text.c_str(), "%dx%d", &width, &height) == 2 && width >= 64 &&
           height >= 48 && width <= 8192 && height <= 8192;
}

}  // namespace

bool ParseOptions(int argc, char** argv, CaptureOptions& options) {
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        bool hasValue = i + 1 < argc;
        bool ok = true;
        if (argument == "--fps" && hasValue) {
            options.fps = std::atoi(argv[++i]);
            ok = options.fps >= 1 && options.fps <= 1000;
        } else if (argument == "--size" && hasValue) {
            ok = ParseSize(argv[++i], options.width, options.height);
        } else if (argument == "--at" && hasValue) {
            ok = ParseTimes(argv[++i], options.times);
        } else if (argument == "--sheet" && hasValue) {
            options.contactSheet = argv[++i];
        } else if (argument[0] != '-' && options.outputFolder.empty()) {
            options.outputFolder = argument;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "torvane-capture: bad argument '%s'\n%s", argument.c_str(),
                         kUsage);
            return false;
        }
    }
    if (options.outputFolder.empty()) {
        std::fputs(kUsage, stderr);
        return false;
    }
    return true;
}

}  // namespace tools::capture
