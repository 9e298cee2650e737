// Offline capture: the real frame loop on the virtual clock, at a fixed frame rate, with
// chosen frames read back and written as PNG files.
#pragma once

#include <string>
#include <vector>

namespace tools::capture {

struct CaptureOptions {
    int fps = 25;
    int width = 640;
    int height = 480;
    // Presentation times in seconds to keep; empty keeps every frame.
    std::vector<double> times;
    std::string outputFolder;
    // When set, the kept frames are also laid out side by side in this PNG file.
    std::string contactSheet;
};

// Parses the command line; false with a message on standard error when it is wrong.
bool ParseOptions(int argc, char** argv, CaptureOptions& options);

// Plays the show in the current folder; returns the number of frames written.
int RunCapture(const CaptureOptions& options);

}  // namespace tools::capture
