// Start-up, frame loop and shutdown.
#include "app/main_loop.h"

#include <cstdio>

#include "app/window.h"
#include "console/config.h"
#include "console/console_drawing.h"
#include "console/console_screen.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "platform/messages.h"
#include "production/camera_path.h"
#include "production/captions.h"
#include "production/frame_composition.h"
#include "production/production.h"
#include "production/schedule.h"
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
    console::LoadConsoleBackground();
    render::ConsoleFont.SetUp("Data\\textures\\font\\AntiAlias\\LC_B");
    console::console.slideSpeed = 400.0f;
    InitTimer();
    console::Print("Time system started...");
    production::LoadProduction();
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

namespace {

// Voice and music start together on the first frame of part 1. A failed music start
// releases the audio; the release at shutdown is then harmless.
void StartAudioWithPartOne() {
    using namespace platform;
    if (production::partIndex != 1 || audioState != 1) {
        return;
    }
    audioState = 2;
    if (!BASS_StreamPlay(production::voiceStream, false, 0)) {
        console::Print("Can't play voice file. " + console::IntToString(BASS_ErrorGetCode()));
    }
    if (!BASS_MusicPlay(production::musicModule)) {
        console::Print("Can't play music the file");
        BASS_Free();
    }
}

}  // namespace

bool Frame() {
    if (KeyDown(platform::VK_ESCAPE)) {
        console::Print("<Esc> pressed, ok guys, goto exit!");
        quitRequested = 1;
        return false;
    }
    int64_t dt = frameTimer.Update();
    frameTimer.Start();
    if (cameraMode == 1) {
        console::ConsoleInput(dt);
    }
    production::mainScene.UpdateAnimation(dt);
    console::UpdateConsole(dt);
    production::AdvanceCaptions(dt);
    production::DrawFrame();
    frameStats.triangleTotal += frameStats.trianglesThisFrame;
    cameraTimer.Update();
    StartAudioWithPartOne();
    if (cameraMode == 2) {
        production::PlayCameraPath(cameraTimer.elapsed, production::camera);
    }
    if (cameraTimer.elapsed > 10000 && cameraMode == 1) {
        production::RecordCameraKey(production::camera);
        cameraTimer.Start();
    }
    production::RunSchedule(scheduleTimer.Update());
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
    if (cameraMode == 1 && production::cameraRecordFile) {
        std::fclose(production::cameraRecordFile);
        production::cameraRecordFile = nullptr;
    }
    float seconds = static_cast<float>(TimeStamp() - startStamp) / 10000.0f;
    console::Print("Work time: " + console::FloatToString(seconds) + " seconds");
    if (audioState != 0) {
        platform::BASS_Free();
    }
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
