// torvane-capture: renders the show offline into PNG frames.
#include <cstdio>

#include "app/main_loop.h"
#include "console/settings.h"
#include "tools/capture/capture.h"

const int console::cameraMode = 2;

int main(int argc, char** argv) {
    tools::capture::CaptureOptions options;
    if (!tools::capture::ParseOptions(argc, argv, options)) {
        return 2;
    }
    int frames = tools::capture::RunCapture(options);
    std::printf("%d frames written to %s\n", frames, options.outputFolder.c_str());
    return frames > 0 ? 0 : 1;
}
