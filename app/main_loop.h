// The program's spine: start-up in a fixed order, the message loop with one frame per
// empty queue, and shutdown.
#pragma once

#include <cstdint>

#include "app/timer.h"

namespace app {

// 1 records the camera path (free camera and console), 2 plays it back.
// Each program's entry point defines it; nothing changes it at run time.
extern const int cameraMode;

extern int quitRequested;
extern int audioState;
extern float animationTime;
extern int64_t startStamp;
extern int exitCode;

extern Timer frameTimer;
extern Timer cameraTimer;
extern Timer scheduleTimer;
extern Timer fpsTimer;

void StartUp();
// Takes and dispatches one message, or makes one frame when none waits and the
// window is active. False once the loop is to end.
bool LoopPass();
// One frame; false when Esc ended the run before anything was drawn.
bool Frame();
void ShutDown();

// The whole run; returns the code of WM_QUIT, and 0 when Esc or the schedule ended it
// (the last message's wParam, a key code, would read as a failure to the shell).
int RunProgram();

}  // namespace app
