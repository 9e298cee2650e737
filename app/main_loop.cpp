// Start-up, frame loop and shutdown.
#include "app/main_loop.h"

#include "app/window.h"
#include "console/config.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/messages.h"
#include "production/captions.h"
#include "production/frame_composition.h"
#include "render/font.h"
#include "render/frame_stats.h"
#include "render/overlay.h"
#include "render/renderer.h"

namespace app {

int quitRequested = 0;
int audioState = 0;
float animationTime = 0.0f;
int64_t startStamp = 0;
int exitCode = 0;

Timer frameTimer;
Timer cameraTimer;
Timer scheduleTimer;
Timer fpsTimer;

using console::settings;
using render::frameStats;

void StartUp() {
    console::StartLog("Torvan.log");
    console::LoadConfig("Torvane.cfg");
    render::renderer.Start(settings.display_Width, settings.display_Height, settings.display_Depth,
                           settings.display_Fullscreen);
    render::BuildUnitQuad();
    production::BuildCaptions();
    render::ShowLoadingScreen();
    // Still to come: the console background.
    render::ConsoleFont.SetUp("Data\\textures\\font\\AntiAlias\\LC_B");
    console::console.slideSpeed = 400.0f;
    InitTimer();
    console::Print("Time system started...");
    // Still to come: loading the production (scenes, lights, particles, fog, camera
    // path, audio).
    frameStats.fpsText.assign(100, '\0');
    frameStats.trianglesPerSecondText.assign(100, '\0');
    startStamp = TimeStamp();
    InitTimer();
    fpsTimer.Start();
    cameraTimer.Start();
    frameTimer.Start();
    scheduleTimer.Start();
    console::Print("Start main game loop...");
    console::console.open = false;
    console::console.height = 0.0f;
}

bool Frame() {
    if (KeyDown(platform::VK_ESCAPE)) {
        console::Print("<Esc> pressed, ok guys, goto exit!");
        quitRequested = 1;
        return false;
    }
    int64_t dt = frameTimer.Update();
    frameTimer.Start();
    // Still to come: console input and free camera (recording only); scene animation and
    // the console slide.
    production::AdvanceCaptions(dt);
    production::DrawFrame();
    frameStats.triangleTotal += frameStats.trianglesThisFrame;
    cameraTimer.Update();
    // Still to come: the audio start on the first frame of part 1; the camera path
    // (playback) or the camera record (recording).
    scheduleTimer.Update();
    // Still to come: the part schedule, which ends the run after the last part.
    if (frameStats.frameCount % 50 == 0) {
        render::UpdateFrameStats(fpsTimer.Update());
        fpsTimer.Start();
    }
    frameStats.frameCount += 1;
    animationTime += 1.0f / frameStats.framesPerSecond;
    return true;
}

bool LoopPass() {
    platform::Message message;
    if (platform::PeekMessage(message)) {
        if (message.message == platform::WM_QUIT) {
            exitCode = static_cast<int>(message.wParam);
            quitRequested = 1;
            return false;
        }
        WindowProc(message);
        return true;
    }
    if (windowActive) {
        return Frame() && quitRequested == 0;
    }
    return true;
}

void ShutDown() {
    float seconds = static_cast<float>(TimeStamp() - startStamp) / 10000.0f;
    console::Print("Work time: " + console::FloatToString(seconds) + " seconds");
    // Still to come: releasing the audio.
    KillWindow();
    console::Print("Torvane shut down...");
}

int RunProgram() {
    platform::InstallCloseSignals();
    StartUp();
    while (quitRequested == 0 && LoopPass()) {
    }
    ShutDown();
    return exitCode;
}

}  // namespace app
