// torvane-capture: renders the show offline into PNG frames or a video, with its soundtrack.
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
    if (options.help) {
        std::fputs(tools::capture::Usage(), stdout);
        return 0;
    }
    int frames = tools::capture::RunCapture(options);
    std::printf("%d frames written to %s\n", frames, options.outputFolder.c_str());
    return frames > 0 ? 0 : 1;
}
