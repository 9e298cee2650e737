// Window and rendering context, projection, fixed GL state and the window procedure.
#include "app/window.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "console/log.h"
#include "platform/message_box.h"
#include "platform/window.h"

namespace app {

bool fullscreen = true;
bool windowActive = true;
uint8_t keyDown[256] = {};
int lastKey = 0;
uint8_t lastChar = 0;
int pressedKey = 0;
uint8_t typedChar = 0;
int mouseX = 0;
int mouseY = 0;
int windowCentreX = 0;
int windowCentreY = 0;
int screenWidth = 0;
int screenHeight = 0;

namespace {

// Whether the cursor was brought back to the window centre after the mouse was last read.
bool cursorCentred = false;

void PutCursorAt(int clientX, int clientY) {
    cursorCentred = platform::WarpCursor(clientX, clientY);
    if (cursorCentred) {
        mouseX = clientX;
        mouseY = clientY;
    }
}

using platform::MessageBox;

bool Fail(const char* text) {
    KillWindow();
    MessageBox(text, "ERROR", platform::MB_ICONEXCLAMATION);
    return false;
}

void ReportShutdownError(const char* text) {
    MessageBox(text, "SHUTDOWN ERROR", platform::MB_ICONINFORMATION);
}

void CentreCursor() {
    int width, height;
    platform::GetClientSize(width, height);
    PutCursorAt(width / 2, height / 2);
}

}  // namespace

void SetVideoMode(int width, int height, int depth, bool fullscreenRequested) {
    if (!CreateGLWindow("Torvane 1.0", width, height, depth, fullscreenRequested)) {
        MessageBox("OpenGL \xed\xe5\xf2\xf3", "Error", platform::MB_ICONEXCLAMATION);
    }
    console::Print("Set video mode: " + console::IntToString(width) + "x" +
                   console::IntToString(height) + "x" + console::IntToString(depth) +
                   " fullscreen=" + (fullscreenRequested ? "1" : "0"));
    screenWidth = width;
    screenHeight = height;
}

bool CreateGLWindow(const std::string& title, int width, int height, int depth,
                    bool fullscreenRequested) {
    fullscreen = fullscreenRequested;
    platform::SaveDisplayMode();
    if (fullscreen && !platform::ChangeDisplayMode(width, height, depth)) {
        int answer = MessageBox(
            "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
            "Mode Instead?",
            "Lumo GL", platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
        if (answer != platform::IDYES) {
            MessageBox("Program Will Now Close.", "ERROR", platform::MB_ICONSTOP);
            return false;
        }
        fullscreen = false;
    }
    if (!platform::StartVideo()) {
        MessageBox("Failed To Register The Window Class.", "ERROR", platform::MB_ICONEXCLAMATION);
        return false;
    }
    if (fullscreen) {
        platform::ShowCursor(false);
    }
    if (!platform::CreateWindow(title, width, height, depth, fullscreen)) {
        return Fail("Window Creation Error.");
    }
    if (!platform::CreateContext()) {
        return Fail("Can't Create A GL Rendering Context.");
    }
    if (!platform::MakeContextCurrent()) {
        return Fail("Can't Activate The GL Rendering Context.");
    }
    platform::ShowWindow();
    platform::DisableScreenSaver();
    ResizeScene(width, height);
    if (!InitGLState()) {
        return Fail("Initialization Failed.");
    }
    return true;
}

void KillWindow() {
    if (fullscreen) {
        platform::RestoreDisplayMode();
        platform::ShowCursor(true);
    }
    if (platform::HasContext() && !platform::ReleaseContext()) {
        ReportShutdownError("Release Rendering Context Failed.");
    }
    if (platform::HasWindow() && !platform::DestroyWindow()) {
        ReportShutdownError("Could Not Release hWnd.");
    }
    platform::StopVideo();
}

void ResizeScene(int width, int height) {
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    double aspect = static_cast<double>(width) / static_cast<double>(height);
    gluPerspective(45.0 * aspect, aspect, 1.0, 30000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

bool InitGLState() {
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.7058824f);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glShadeModel(GL_SMOOTH);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_LINE_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_TEXTURE_2D);
    return true;
}

int64_t WindowProc(const platform::Message& message) {
    using namespace platform;
    switch (message.message) {
        case WM_ACTIVATE:
            if (HighWord(message.wParam) != 0) {
                windowActive = false;
            } else {
                CentreCursor();
                platform::ShowCursor(false);
                windowActive = true;
            }
            return 0;
        case WM_CLOSE:
            platform::ShowCursor(true);
            PostQuitMessage(0);
            return 0;
        case WM_SIZE:
            ResizeScene(LowWord(static_cast<uint64_t>(message.lParam)),
                        HighWord(static_cast<uint64_t>(message.lParam)));
            return 0;
        case WM_KEYDOWN:
            lastKey = static_cast<int>(message.wParam & 0xFF);
            keyDown[message.wParam & 0xFF] = 1;
            return 0;
        case WM_KEYUP:
            keyDown[message.wParam & 0xFF] = 0;
            return 0;
        case WM_CHAR:
            lastChar = static_cast<uint8_t>(message.wParam & 0xFF);
            return 0;
        case WM_MOUSEMOVE:
            mouseX = LowWord(static_cast<uint64_t>(message.lParam));
            mouseY = HighWord(static_cast<uint64_t>(message.lParam));
            return 0;
        default:
            // Screen saver and monitor power-down requests are swallowed (and SDL keeps the
            // screen saver off); nothing else needs a default action here.
            return 0;
    }
}

bool KeyDown(int virtualKey) {
    return keyDown[virtualKey & 0xFF] != 0;
}

void BeginInputStep() {
    int width, height;
    platform::GetClientSize(width, height);
    windowCentreX = width / 2;
    windowCentreY = height / 2;
    pressedKey = lastKey;
    typedChar = lastChar;
    lastKey = 0;
    lastChar = 0;
}

bool KeyPressed(int virtualKey) {
    return pressedKey == virtualKey;
}

void RecentreCursor() {
    PutCursorAt(windowCentreX, windowCentreY);
}

void MouseOffset(int& dx, int& dy) {
    dx = dy = 0;
    if (cursorCentred && platform::HasInputFocus()) {
        dx = windowCentreX - mouseX;
        dy = windowCentreY - mouseY;
    }
}

void SwapScreenBuffers() {
    platform::SwapWindow();
}

}  // namespace app
