// The Linux player's side of bench/web_fps.py: the show from its start on the real clock,
// as torvane plays it, for SECONDS after start-up at WIDTH × HEIGHT, offscreen; prints the
// frames drawn a second.
//
// usage: web_fps_linux FOLDER SECONDS WIDTH HEIGHT   (FOLDER holds what torvane-data writes)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/main_loop.h"
#include "console/settings.h"
#include "render/display.h"

const int console::cameraMode = 2;

int main(int argc, char** argv) {
    if (argc != 5 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: web_fps_linux FOLDER SECONDS WIDTH HEIGHT\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const double seconds = std::atof(argv[2]);
    app::StartUp([argv] {  // the size asked for wins over the folder's Torvane.cfg
        console::settings.display_Width = std::atoi(argv[3]);
        console::settings.display_Height = std::atoi(argv[4]);
    });
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    double elapsed = 0.0;
    while (elapsed < seconds && app::LoopPass()) {
        elapsed = std::chrono::duration<double>(Clock::now() - start).count();
    }
    const uint64_t frames = render::display.frameStats.frameCount;
    app::ShutDown();
    std::printf("Linux player, %sx%s, first %.0f s: %.1f fps (%llu frames)\n", argv[3], argv[4],
                elapsed, frames / elapsed, static_cast<unsigned long long>(frames));
    return 0;
}
