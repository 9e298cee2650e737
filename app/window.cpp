// The window procedure and the key, mouse and activity state it keeps.
#include "app/window.h"

#include <string>

#include "console/log.h"
#include "platform/window.h"
#include "render/display.h"

namespace app {

Window window;
Input input;

namespace {

void PutCursorAt(int clientX, int clientY) {
    window.cursorCentred = platform::WarpCursor(clientX, clientY);
    if (window.cursorCentred) {
        input.mouseX = clientX;
        input.mouseY = clientY;
    }
}

void CentreCursor() {
    int width, height;
    platform::GetClientSize(width, height);
    PutCursorAt(width / 2, height / 2);
}

// The window's new size (fullscreen entered or left, the frame dragged, maximised) goes to
// the viewport and projection and to the log.
void Resize(int width, int height) {
    render::ResizeScene(width, height);
    console::Print("Window size: " + std::to_string(width) + "x" + std::to_string(height));
}

}  // namespace

int64_t WindowProc(const platform::Message& message) {
    using namespace platform;
    switch (message.message) {
        case WM_ACTIVATE:
            if (HighWord(message.wParam) != 0) {
                window.windowActive = false;
            } else {
                CentreCursor();
                platform::ShowCursor(false);
                window.windowActive = true;
            }
            return 0;
        case WM_CLOSE:
            platform::ShowCursor(true);
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            Resize(LowWord(static_cast<uint64_t>(message.lParam)),
                   HighWord(static_cast<uint64_t>(message.lParam)));
            return 0;
        case WM_KEYDOWN:
            input.lastKey = static_cast<int>(message.wParam & 0xFF);
            input.keyDown[message.wParam & 0xFF] = 1;
            input.pressUnseen[message.wParam & 0xFF] = 1;
            return 0;
        case WM_KEYUP:
            input.keyDown[message.wParam & 0xFF] = 0;
            return 0;
        case WM_CHAR:
            input.lastChar = static_cast<uint8_t>(message.wParam & 0xFF);
            return 0;
        case WM_MOUSEMOVE:
            input.mouseX = LowWord(static_cast<uint64_t>(message.lParam));
            input.mouseY = HighWord(static_cast<uint64_t>(message.lParam));
            return 0;
        default:
            // Screen saver and monitor power-down requests are swallowed (and SDL keeps the
            // screen saver off); nothing else needs a default action here.
            return 0;
    }
}

bool KeyDown(int virtualKey) {
    const int key = virtualKey & 0xFF;
    const bool down = input.keyDown[key] != 0 || input.pressUnseen[key] != 0;
    input.pressUnseen[key] = 0;
    return down;
}

void BeginInputStep() {
    int width, height;
    platform::GetClientSize(width, height);
    window.windowCentreX = width / 2;
    window.windowCentreY = height / 2;
    input.pressedKey = input.lastKey;
    input.typedChar = input.lastChar;
    input.lastKey = 0;
    input.lastChar = 0;
}

bool KeyPressed(int virtualKey) {
    return input.pressedKey == virtualKey;
}

void RecentreCursor() {
    PutCursorAt(window.windowCentreX, window.windowCentreY);
}

void MouseOffset(int& dx, int& dy) {
    dx = dy = 0;
    if (window.cursorCentred && platform::HasInputFocus()) {
        dx = window.windowCentreX - input.mouseX;
        dy = window.windowCentreY - input.mouseY;
    }
}

}  // namespace app
