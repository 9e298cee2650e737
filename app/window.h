// The program's window: creation and release of the window and its OpenGL context,
// the projection on resize, the fixed GL state, and the window procedure that keeps
// the key, mouse and activity state the rest of the program polls.
#pragma once

#include <cstdint>
#include <string>

#include "platform/messages.h"

namespace app {

extern bool fullscreen;
extern bool windowActive;
extern uint8_t keyDown[256];
extern int lastKey;
extern uint8_t lastChar;
extern int pressedKey;
extern uint8_t typedChar;
extern int mouseX;
extern int mouseY;
extern int windowCentreX;
extern int windowCentreY;
extern int screenWidth;
extern int screenHeight;

void SetVideoMode(int width, int height, int depth, bool fullscreenRequested);
bool CreateGLWindow(const std::string& title, int width, int height, int depth,
                    bool fullscreenRequested);
void KillWindow();
void ResizeScene(int width, int height);
bool InitGLState();

int64_t WindowProc(const platform::Message& message);

bool KeyDown(int virtualKey);
void BeginInputStep();
bool KeyPressed(int virtualKey);
void RecentreCursor();
// The cursor's offset from the window centre since it was last brought back there; none
// while the window lacks the input focus, as the cursor then cannot be brought back.
void MouseOffset(int& dx, int& dy);
void SwapScreenBuffers();

}  // namespace app
