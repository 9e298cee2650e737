// Offline capture: the real frame loop on the virtual clock, at a fixed frame rate, with the
// frames of a time range read back and written as PNG files or piped into a video, and the
// range's soundtrack streamed to a WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools::capture {

struct CaptureOptions {
    // Below 1 for a frame every few seconds, as for an overview of the whole show.
    double fps = 25;
    int width = 640;
    int height = 480;
    // The range of presentation time, in seconds, whose frames and sound are kept; the
    // show before it is moved on frame by frame without drawing.
    double from = 0.0;
    double to = 1e9;
    // Presentation times in seconds to keep; empty keeps every frame of the range. The
    // frames between them are not drawn.
    std::vector<double> times;
    // Frames go to ffmpeg for OUTDIR/show.mp4 instead of to PNG files.
    bool video = false;
    // False leaves the sound unmixed: no soundtrack.wav, and a video without audio.
    bool sound = true;
    std::string outputFolder;
    // When set, the kept frames are also laid out side by side in this PNG file.
    std::string contactSheet;
    bool help = false;
    // The random source's seed for the whole run, so the fires repeat from run to run.
    uint32_t seed = 1;
};

// The usage text that --help prints.
const char* Usage();

// Parses the command line; false with a message on standard error when it is wrong.
bool ParseOptions(int argc, char** argv, CaptureOptions& options);

// What a run wrote, and what it was asked for and could not write.
struct CaptureReport {
    // PNG files, or the frames of the video when it was made.
    int framesWritten = 0;
    // "3 frames", "soundtrack.wav", "show.mp4", the sheet's path.
    std::vector<std::string> notWritten;
};

// Plays the show in the current folder.
CaptureReport RunCapture(const CaptureOptions& options);

}  // namespace tools::capture
