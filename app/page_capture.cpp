// Capture in the page: one frame a pass on the virtual clock; the frames asked for are
// read back and handed to the page.
#include "app/page_capture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/main_loop.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/page.h"
#include "platform/pass_loop.h"
#include "platform/random.h"
#include "render/display.h"
#include "render/gl.h"

namespace app {
namespace {

struct CaptureRun {
    PageCapture options;
    platform::VirtualClock clock;
    size_t next = 0;  // the first time not yet handed over
    std::vector<uint8_t> pixels;
};

CaptureRun* capture = nullptr;

std::vector<double> ReadTimes(const std::string& list) {
    std::vector<double> times;
    const char* at = list.c_str();
    while (*at) {
        char* end = nullptr;
        times.push_back(std::strtod(at, &end));
        if (end == at || (*end != ',' && *end != '\0')) {
            return {};
        }
        at = *end == ',' ? end + 1 : end;
    }
    std::sort(times.begin(), times.end());
    return times;
}

void HandFrame(double seconds) {
    const PageCapture& options = capture->options;
    capture->pixels.resize(static_cast<size_t>(options.width) * options.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, options.width, options.height, GL_RGBA, GL_UNSIGNED_BYTE,
                 capture->pixels.data());
    platform::HandFrameToPage(seconds, options.width, options.height, capture->pixels.data());
}

// Frames nobody reads are not drawn, and a pass makes many of them, so that a late time
// is reached in seconds; the page still gets control back now and then.
constexpr int kFramesPerPass = 250;

// The next frame, drawn only when it is handed over; the clock stands still while its passes
// run and steps once it is made. False once the loop is to end.
bool NextFrame(bool& handed) {
    const std::vector<double>& times = capture->options.times;
    const double now = static_cast<double>(run.scheduleTimer.Update()) / kTicksPerSecond;
    const bool wanted = capture->next < times.size() && now >= times[capture->next];
    run.frameMode = wanted ? FrameMode::kDrawn : FrameMode::kUndrawn;
    const uint64_t before = render::display.frameStats.frameCount;
    if (!PassesUntilFrame()) {
        return false;
    }
    if (render::display.frameStats.frameCount == before) {
        return true;
    }
    if (wanted) {
        HandFrame(times[capture->next]);
        while (capture->next < times.size() && now >= times[capture->next]) {
            ++capture->next;
        }
        handed = true;
    }
    capture->clock.Advance(static_cast<int64_t>(kTicksPerSecond / capture->options.fps));
    return true;
}

bool CapturePass() {
    bool handed = false;
    for (int frame = 0; frame < kFramesPerPass && !handed; ++frame) {
        if (!NextFrame(handed)) {
            return false;
        }
    }
    return capture->next < capture->options.times.size();
}

}  // namespace

bool ReadPageCapture(int argc, char** argv, PageCapture& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--at") {
            options.times = ReadTimes(value);
        } else if (name == "--size") {
            if (std::sscanf(value, "%dx%d", &options.width, &options.height) != 2) {
                return false;
            }
        } else if (name == "--fps") {
            options.fps = std::atof(value);
        } else {
            return false;
        }
    }
    return !options.times.empty() && options.width > 0 && options.height > 0 && options.fps > 0.0;
}

int RunPageCapture(const PageCapture& options) {
    static CaptureRun captureRun;
    captureRun.options = options;
    capture = &captureRun;
    platform::UseClock(&captureRun.clock);
    platform::UseManualAudio(true);
    platform::UseFixedRandomSeed(1);  // the capture tool's default: the same particles
    platform::InstallCloseSignals();
    StartUp([&options] {  // the page's size wins over the configuration file's
        console::settings.display_Width = options.width;
        console::settings.display_Height = options.height;
    });
    platform::RunPasses(CapturePass, ShutDown);
    return 0;
}

}  // namespace app
