// The capture tool's command line.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tools/capture/capture.h"

namespace tools::capture {
namespace {

const char* kUsage =
    "usage: torvane-capture [OPTIONS] OUTDIR\n"
    "Plays the show in the current folder offscreen on a fixed clock and writes the frames\n"
    "as OUTDIR/frame_NNNNNN.png, or as OUTDIR/show.mp4 with --video, and the soundtrack of\n"
    "the same stretch as OUTDIR/soundtrack.wav. The show always plays from its start, but\n"
    "frames before --from and between the --at times are not drawn: the show is moved on\n"
    "without them, to the same state, so reaching a late moment takes seconds.\n"
    "  --fps N        frames per second of presentation time (default 25); below 1,\n"
    "                 e.g. 0.2 for a frame every 5 s\n"
    "  --size WxH     frame size (default 640x480)\n"
    "  --from T       keep frames and sound from T seconds on (default 0)\n"
    "  --to T         stop before T seconds (default: the end of the show)\n"
    "  --at T,...     keep only the first frame at or after each time, in seconds\n"
    "  --video        pipe the frames into ffmpeg (H.264, with the soundtrack as AAC) as\n"
    "                 OUTDIR/show.mp4 instead of writing PNG files\n"
    "  --sheet FILE   also lay the kept frames out, half size, in one PNG\n"
    "  --silent       leave the sound unmixed: no soundtrack.wav, a video without audio\n"
    "  --seed N       the particles' random seed (default 1); the same seed gives the same\n"
    "                 frames\n"
    "  --help         show this text\n";

bool ParseNonNegative(const std::string& text, double& value) {
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return !text.empty() && *end == '\0' && value >= 0;
}

bool ParseSeed(const std::string& text, uint32_t& seed) {
    char* end = nullptr;
    unsigned long long value = std::strtoull(text.c_str(), &end, 10);
    seed = static_cast<uint32_t>(value);
    return !text.empty() && text[0] != '-' && *end == '\0' && value <= UINT32_MAX;
}

bool ParseTimes(const std::string& text, std::vector<double>& times) {
    std::stringstream list(text);
    std::string item;
    double value = 0;
    while (std::getline(list, item, ',')) {
        if (!ParseNonNegative(item, value)) {
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

bool ParseArgument(int argc, char** argv, int& i, CaptureOptions& options) {
    std::string argument = argv[i];
    bool hasValue = i + 1 < argc;
    if (argument == "--fps" && hasValue) {
        return ParseNonNegative(argv[++i], options.fps) && options.fps >= 0.01 &&
               options.fps <= 1000;
    }
    if (argument == "--size" && hasValue) {
        return ParseSize(argv[++i], options.width, options.height);
    }
    if (argument == "--from" && hasValue) {
        return ParseNonNegative(argv[++i], options.from);
    }
    if (argument == "--to" && hasValue) {
        return ParseNonNegative(argv[++i], options.to);
    }
    if (argument == "--at" && hasValue) {
        return ParseTimes(argv[++i], options.times);
    }
    if (argument == "--seed" && hasValue) {
        return ParseSeed(argv[++i], options.seed);
    }
    if (argument == "--sheet" && hasValue) {
        options.contactSheet = argv[++i];
        return true;
    }
    if (argument == "--video" || argument == "--help") {
        (argument == "--video" ? options.video : options.help) = true;
        return true;
    }
    if (argument == "--silent") {
        options.sound = false;
        return true;
    }
    if (argument[0] != '-' && options.outputFolder.empty()) {
        options.outputFolder = argument;
        return true;
    }
    return false;
}

}  // namespace

const char* Usage() {
    return kUsage;
}

bool ParseOptions(int argc, char** argv, CaptureOptions& options) {
    for (int i = 1; i < argc; ++i) {
        if (!ParseArgument(argc, argv, i, options)) {
            std::fprintf(stderr, "torvane-capture: bad argument '%s'\n%s", argv[i], kUsage);
            return false;
        }
    }
    if (options.help) {
        return true;
    }
    if (options.to <= options.from) {
        std::fprintf(stderr, "torvane-capture: --to must come after --from\n");
        return false;
    }
    if (options.outputFolder.empty()) {
        std::fputs(kUsage, stderr);
        return false;
    }
    return true;
}

}  // namespace tools::capture
