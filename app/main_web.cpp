// The presentation in a browser page: plays the camera path, or with `--at` captures the
// frames the page asks for. Each call of main is a run from the program's start state, so
// the page can play the show again without loading anew.
#include <emscripten.h>

#include <optional>

#include "app/main_loop.h"
#include "app/page_capture.h"
#include "app/reset.h"
#include "app/start_time.h"
#include "app/timer.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "platform/page.h"
#include "platform/pass_loop.h"
#include "production/show.h"

const int console::cameraMode = 2;

namespace {

// Start-up runs in passes of the page's animation frames: the browser paints the loading
// screen only after the pass that drew it has returned, so the show loads a pass later.
enum class Stage { kLoadingScreenDrawn, kLoadingScreenPainted, kPlaying };

Stage stage = Stage::kLoadingScreenDrawn;

bool PlayPass() {
    switch (stage) {
        case Stage::kLoadingScreenDrawn:
            stage = Stage::kLoadingScreenPainted;
            return true;
        case Stage::kLoadingScreenPainted:
            if (platform::LoadingMayGoOn()) {
                app::LoadShow();
                if (std::optional<double> start = app::StartTimeAsked()) {
                    app::CatchUp(*start);
                }
                stage = Stage::kPlaying;
            }
            return true;
        case Stage::kPlaying:
            break;
    }
    const bool goesOn = app::PassesUntilFrame();
    platform::TellShowTime(static_cast<double>(app::run.scheduleTimer.elapsed) /
                           static_cast<double>(app::kTicksPerSecond));
    return goesOn;
}

}  // namespace

// Where the music stands, in seconds: the page's test reads it to see the sound in step.
extern "C" EMSCRIPTEN_KEEPALIVE double torvane_music_seconds() {
    return platform::AudioPosition(production::show.musicModule);
}

int main(int argc, char** argv) {
    app::ResetProgram();
    app::PageCapture capture;
    if (app::ReadPageCapture(argc, argv, capture)) {
        return app::RunPageCapture(capture);
    }
    app::OpenWithLoadingScreen();
    stage = Stage::kLoadingScreenDrawn;
    platform::RunPasses(PlayPass, app::ShutDown);
    return 0;
}
