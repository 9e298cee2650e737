// Start-up, frame loop and shutdown.
#include "app/main_loop.h"

#include "app/free_flight.h"
#include "app/show_commands.h"
#include "app/start_time.h"
#include "app/window.h"
#include "console/config.h"
#include "console/console_screen.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/messages.h"
#include "platform/pass_loop.h"
#include "production/camera_path.h"
#include "production/camera_record.h"
#include "production/captions.h"
#include "production/frame_composition.h"
#include "production/overlay.h"
#include "production/production.h"
#include "production/schedule.h"
#include "production/show.h"
#include "production/soundtrack.h"
#include "render/console_drawing.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "render/overlay.h"
#include "render/renderer.h"

namespace app {

Run run;

using console::settings;

void ConnectLayers() {
    production::show.endRun = [] { run.quitRequested = 1; };
}

void StartUp(const std::function<void()>& afterConfig) {
    OpenWithLoadingScreen(afterConfig);
    LoadShow();
}

void OpenWithLoadingScreen(const std::function<void()>& afterConfig) {
    ConnectLayers();
    AddShowCommands();
    console::StartLog("Torvan.log");
    console::LoadConfig("Torvane.cfg");
    if (afterConfig) {
        afterConfig();
    }
    render::renderer.Start(settings.display_Width, settings.display_Height, settings.display_Depth,
                           settings.display_Fullscreen);
    render::BuildUnitQuad();
    production::BuildCaptions();
    production::ShowLoadingScreen();
}

void LoadShow() {
    render::LoadConsoleBackground();
    render::display.ConsoleFont.SetUp("Data\\textures\\font\\AntiAlias\\LC_B");
    console::console.slideSpeed = 400.0f;
    InitTimer();
    console::Print("Time system started...");
    production::LoadProduction();
    render::display.frameStats.fpsText.assign(100, '\0');
    render::display.frameStats.trianglesPerSecondText.assign(100, '\0');
    run.startStamp = TimeStamp();
    InitTimer();
    run.fpsTimer.Start();
    run.cameraTimer.Start();
    run.frameTimer.Start();
    run.scheduleTimer.Start();
    console::Print("Start main game loop...");
    console::console.open = false;
    console::console.height = 0.0f;
}

bool Frame() {
    if (KeyDown(platform::VK_ESCAPE)) {
        console::Print("<Esc> pressed, ok guys, goto exit!");
        run.quitRequested = 1;
        return false;
    }
    int64_t dt = run.frameTimer.Update();
    run.frameTimer.Start();
    if (console::cameraMode == 1) {
        ConsoleInput(dt);
    }
    production::show.mainScene.UpdateAnimation(dt);
    console::UpdateConsole(dt);
    production::AdvanceCaptions(dt);
    production::AdvanceFrame();
    if (run.frameMode == FrameMode::kDrawn) {
        production::DrawFrame();
    } else {
        production::KeepViewTest();
    }
    render::display.frameStats.triangleTotal += render::display.frameStats.trianglesThisFrame;
    run.cameraTimer.Update();
    if (run.frameMode == FrameMode::kCatchingUp) {
        production::NoteAudioStart(run.scheduleTimer.Update());
    } else {
        production::StartAudioWithPartOne(run.scheduleTimer.Update());
    }
    if (console::cameraMode == 2) {
        production::PlayCameraPath(run.cameraTimer.elapsed, production::show.camera);
    }
    if (run.cameraTimer.elapsed > 10000 && console::cameraMode == 1) {
        production::RecordCameraKey(production::show.camera);
        run.cameraTimer.Start();
    }
    production::RunSchedule(run.scheduleTimer.Update());
    if (render::display.frameStats.frameCount % 50 == 0) {
        render::UpdateFrameStats(run.fpsTimer.Update());
        run.fpsTimer.Start();
    }
    render::display.frameStats.frameCount += 1;
    production::show.animationTime += 1.0f / render::display.frameStats.framesPerSecond;
    return true;
}

bool LoopPass() {
    platform::Message message;
    if (platform::PeekMessage(message)) {
        if (message.message == platform::WM_QUIT) {
            run.exitCode = static_cast<int>(message.wParam);
            run.quitRequested = 1;
            return false;
        }
        WindowProc(message);
        return true;
    }
    if (window.windowActive) {
        RunAskedCommands();
        return Frame() && run.quitRequested == 0;
    }
    return true;
}

void ShutDown() {
    production::CloseCameraRecord();
    float seconds = static_cast<float>(TimeStamp() - run.startStamp) / 10000.0f;
    console::Print("Work time: " + console::FloatToString(seconds) + " seconds");
    production::ReleaseAudio();
    render::KillWindow();
    console::Print("Torvane shut down...");
}

bool PassesUntilFrame() {
    const uint64_t before = render::display.frameStats.frameCount;
    for (int pass = 0; pass < kPassesPerFrame; ++pass) {
        if (run.quitRequested != 0 || !LoopPass()) {
            return false;
        }
        if (render::display.frameStats.frameCount != before) {
            break;
        }
    }
    return true;
}

int RunProgram() {
    platform::InstallCloseSignals();
    StartUp();
    if (std::optional<double> start = StartTimeAsked()) {
        CatchUp(*start);
    }
    platform::RunPasses(PassesUntilFrame, ShutDown);
    return run.exitCode;
}

}  // namespace app
