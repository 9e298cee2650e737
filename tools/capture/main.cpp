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
    tools::capture::CaptureReport report = tools::capture::RunCapture(options);
    std::printf("%d frames written to %s", report.framesWritten, options.outputFolder.c_str());
    for (size_t i = 0; i < report.notWritten.size(); ++i) {
        std::printf("%s%s", i == 0 ? "; not written: " : ", ", report.notWritten[i].c_str());
    }
    std::printf("\n");
    return report.framesWritten > 0 && report.notWritten.empty() ? 0 : 1;
}
