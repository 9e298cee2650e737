// The show on its default content at one frame size: start-up and production load time, the
// frames per second of each part beside an empty clear-and-swap loop at the same size, and
// the process's peak memory. The show runs on the virtual clock at 10 frames a second of
// presentation time; every frame is finished before the next starts, so each is timed whole.
//
// usage: show_bench FOLDER WIDTH HEIGHT   (FOLDER holds the content torvane-data writes)
#include <GL/gl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/main_loop.h"
#include "app/window.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "production/schedule.h"
#include "production/show.h"
#include "render/display.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFps = 10;
constexpr int kEmptyFrames = 300;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double EmptyLoopFps() {
    Clock::time_point start = Clock::now();
    for (int i = 0; i < kEmptyFrames; ++i) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        platform::SwapWindow();
        glFinish();
    }
    return kEmptyFrames / SecondsSince(start);
}

struct PartTime {
    int frames = 0;
    double seconds = 0.0;
};

// Plays the whole show, timing each frame against the part it draws.
std::array<PartTime, production::kPartCount> TimeParts(platform::VirtualClock& clock) {
    std::array<PartTime, production::kPartCount> parts{};
    while (app::run.quitRequested == 0) {
        int part = production::show.partIndex;
        uint64_t before = render::display.frameStats.frameCount;
        Clock::time_point start = Clock::now();
        if (!app::LoopPass()) {
            break;
        }
        glFinish();
        if (render::display.frameStats.frameCount != before && part >= 0 &&
            part < production::kPartCount) {
            parts[part].frames += 1;
            parts[part].seconds += SecondsSince(start);
        }
        clock.Advance(app::kTicksPerSecond / kFps);
    }
    return parts;
}

}  // namespace

const int console::cameraMode = 2;

int main(int argc, char** argv) {
    if (argc != 4 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: show_bench FOLDER WIDTH HEIGHT\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    platform::VirtualClock clock;
    platform::UseClock(&clock);
    platform::UseManualAudio(true);

    Clock::time_point start = Clock::now();
    app::StartUp([argv] {  // the size asked for wins over the folder's Torvane.cfg
        console::settings.display_Width = std::atoi(argv[2]);
        console::settings.display_Height = std::atoi(argv[3]);
    });
    std::printf("%sx%s: start-up with production load %.2f s\n", argv[2], argv[3],
                SecondsSince(start));
    std::printf("  empty clear-and-swap loop: %.0f fps\n", EmptyLoopFps());
    std::array<PartTime, production::kPartCount> parts = TimeParts(clock);
    double total = 0.0;
    for (int part = 0; part < production::kPartCount; ++part) {
        total += parts[part].seconds;
        if (parts[part].frames == 0) {
            std::printf("  part %2d: not reached\n", part);
            continue;
        }
        std::printf("  part %2d: %6.1f fps (%d frames)\n", part,
                    parts[part].frames / parts[part].seconds, parts[part].frames);
    }
    app::ShutDown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("  whole show drawn in %.1f s; peak memory %.0f MB\n", total,
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    std::fflush(stdout);
    return 0;
}
