// The web page's capture mode: the show on a virtual clock at a fixed step, as the
// capture tool plays it, with the frames at chosen times handed to the page.
#pragma once

#include <vector>

namespace app {

struct PageCapture {
    std::vector<double> times;  // seconds of the show, ascending
    int width = 160;
    int height = 120;
    double fps = 25.0;
};

// Reads `--at T,... [--size WxH] [--fps N]`; false when no times were asked for or a word
// does not parse, and the page plays the show instead.
bool ReadPageCapture(int argc, char** argv, PageCapture& capture);

// Plays until the last time asked for has been handed over.
int RunPageCapture(const PageCapture& capture);

}  // namespace app
