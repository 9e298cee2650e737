// The window procedure and the key, mouse and activity state the rest of the program
// polls.
#pragma once

#include <cstdint>

#include "platform/messages.h"

namespace app {

// Whether the window is in front and not minimised, and its centre, where the free
// camera's mouse look keeps the cursor.
struct Window {
    bool windowActive = true;
    int windowCentreX = 0;
    int windowCentreY = 0;
    // Whether the cursor was brought back to the centre after the mouse was last read.
    bool cursorCentred = false;
};

// The keys held, the presses no frame has looked at yet, the last key and character of the
// message queue, those taken by the current input step, and the mouse position.
struct Input {
    uint8_t keyDown[256] = {};
    uint8_t pressUnseen[256] = {};
    int lastKey = 0;
    uint8_t lastChar = 0;
    int pressedKey = 0;
    uint8_t typedChar = 0;
    int mouseX = 0;
    int mouseY = 0;
};

extern Window window;
extern Input input;

int64_t WindowProc(const platform::Message& message);

// Whether the key is held, or was pressed since this was last asked: a tap that went down
// and up between two frames still counts once, as a frame reads each key once.
bool KeyDown(int virtualKey);
void BeginInputStep();
bool KeyPressed(int virtualKey);
void RecentreCursor();
// The cursor's offset from the window centre since it was last brought back there; none
// while the window lacks the input focus, as the cursor then cannot be brought back.
void MouseOffset(int& dx, int& dy);

}  // namespace app
