// The program's spine: start-up in a fixed order, the message loop with one frame per
// empty queue, and shutdown.
#pragma once

#include <cstdint>
#include <functional>

#include "app/timer.h"

namespace app {

// How a frame is made: drawn; moved on without drawing (a capture's frames that nobody
// reads); or moved on without drawing while the show catches up with a start time, its
// sound held until the moment is reached.
enum class FrameMode { kDrawn, kUndrawn, kCatchingUp };

// The run: whether it is to end and with which code, when it started, the four timers
// and the counter frequency they divide by, and how frames are made.
struct Run {
    int quitRequested = 0;
    int64_t startStamp = 0;
    int exitCode = 0;
    Timer frameTimer;
    Timer cameraTimer;
    Timer scheduleTimer;
    Timer fpsTimer;
    int64_t performanceFrequency = 1;
    FrameMode frameMode = FrameMode::kDrawn;
};

extern Run run;

// Hands the lower layers what they call back into the program: the end of the run.
void ConnectLayers();
// `afterConfig` runs once Torvane.cfg has been read, before the window opens: a tool's
// command line overrides the file with it.
void StartUp(const std::function<void()>& afterConfig = nullptr);
// StartUp's two halves: up to the loading screen, and the rest. A browser paints the
// loading screen only once control has gone back to it, so the page runs them apart.
void OpenWithLoadingScreen(const std::function<void()>& afterConfig = nullptr);
void LoadShow();
// Takes and dispatches one message, or makes one frame when none waits and the
// window is active. False once the loop is to end.
bool LoopPass();
// One frame, drawn or not as `run.frameMode` says; false when Esc ended the run first.
bool Frame();
void ShutDown();

// At most this many passes make one frame: messages waiting are handled first.
constexpr int kPassesPerFrame = 64;
// Passes until one draws a frame (or an inactive window has had its share); false once
// the loop is to end. A browser runs one of these per animation frame.
bool PassesUntilFrame();

// The whole run; returns the code of WM_QUIT, and 0 when Esc or the schedule ended it
// (the last message's wParam, a key code, would read as a failure to the shell).
int RunProgram();

}  // namespace app
