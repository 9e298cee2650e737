// Window and rendering context, video mode, projection and fixed GL state.
#include "render/display.h"

#include "console/log.h"
#include "console/texts_1251.h"
#include "platform/message_box.h"
#include "platform/window.h"
#include "render/gl.h"

namespace render {

Display display;

namespace {

using platform::MessageBox;

bool Fail(const char* text) {
    KillWindow();
    MessageBox(text, "ERROR", platform::MB_ICONEXCLAMATION);
    return false;
}

void ReportShutdownError(const char* text) {
    MessageBox(text, "SHUTDOWN ERROR", platform::MB_ICONINFORMATION);
}

}  // namespace

void SetVideoMode(int width, int height, int depth, bool fullscreenRequested) {
    if (!CreateGLWindow("Torvane 1.0", width, height, depth, fullscreenRequested)) {
        MessageBox(console::cp1251::kNoOpenGL, "Error", platform::MB_ICONEXCLAMATION);
    }
    console::Print("Set video mode: " + console::IntToString(width) + "x" +
                   console::IntToString(height) + "x" + console::IntToString(depth) +
                   " fullscreen=" + (fullscreenRequested ? "1" : "0"));
    display.screenWidth = width;
    display.screenHeight = height;
}

bool CreateGLWindow(const std::string& title, int width, int height, int depth,
                    bool fullscreenRequested) {
    display.fullscreen = fullscreenRequested;
    platform::SaveDisplayMode();
    if (display.fullscreen && !platform::ChangeDisplayMode(width, height, depth)) {
        int answer = MessageBox(
            "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed "
            "Mode Instead?",
            "Lumo GL", platform::MB_YESNO | platform::MB_ICONEXCLAMATION);
        if (answer != platform::IDYES) {
            MessageBox("Program Will Now Close.", "ERROR", platform::MB_ICONSTOP);
            return false;
        }
        display.fullscreen = false;
    }
    if (!platform::StartVideo()) {
        MessageBox("Failed To Register The Window Class.", "ERROR", platform::MB_ICONEXCLAMATION);
        return false;
    }
    if (display.fullscreen) {
        platform::ShowCursor(false);
    }
    if (!platform::CreateWindow(title, width, height, depth, display.fullscreen)) {
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
    if (display.fullscreen) {
        platform::RestoreDisplayMode();
        platform::ShowCursor(true);
    }
    if (platform::HasContext() && !platform::ReleaseContext()) {
        ReportShutdownError("Release Rendering Context Failed.");
    }
#ifdef TORVANE_GLES
    gles::ForgetContext();
#endif
    if (platform::HasWindow() && !platform::DestroyWindow()) {
        ReportShutdownError("Could Not Release hWnd.");
    }
    platform::StopVideo();
}

void ShowFrame() {
#ifdef TORVANE_GLES
    gles::EndFrame();
#endif
    platform::SwapWindow();
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

}  // namespace render
