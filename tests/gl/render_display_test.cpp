// The display's projection and viewport on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>

#include "app/window.h"
#include "platform/window.h"
#include "render/display.h"
#include "support/gl_context.h"

namespace {

using WindowGl = testing_support::GlTest;

// The vertical field of view grows with the aspect past 4:3; a zero height is taken as one.
TEST_F(WindowGl, ResizingSetsTheViewportAndFieldOfView) {
    // Width, height, field of view (none for the zero height) and aspect.
    const std::tuple<int, int, double, double> cases[] = {
        {800, 600, 60.0, 4.0 / 3}, {1280, 1024, 56.25, 1.25}, {200, 0, -1, 200.0}};
    for (const auto& [w, h, fieldOfView, aspect] : cases) {
        SCOPED_TRACE(w);
        app::WindowProc({platform::WM_SIZE, 0, platform::MakeLParam(w, h)});
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[3], std::max(h, 1));
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        // m[5] = cot(fov / 2), m[0] = m[5] / aspect.
        if (fieldOfView > 0) {
            EXPECT_NEAR(2.0 * std::atan(1.0 / m[5]) * 180.0 / M_PI, fieldOfView, 1e-6);
        }
        EXPECT_NEAR(m[5] / m[0], aspect, 1e-3);
    }
}

using WindowFailure = testing_support::ProcessTest;

// A window that cannot be made shows each box of its failure in order, then the start-up's
// own, and leaves nothing made; without a display the boxes go to standard error as
// "caption: text", and the fullscreen question is answered No.
TEST_F(WindowFailure, ShowsItsMessageBoxesInOrder) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const std::string noOpenGL = "Error: OpenGL нету\n";
    const std::tuple<const char*, bool, std::string> cases[] = {
        {"no-such-driver", false, "ERROR: Failed To Register The Window Class.\n" + noOpenGL},
        {"dummy", true,
         "Lumo GL: The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use "
         "Windowed Mode Instead?\nERROR: Program Will Now Close.\n" +
             noOpenGL}};
    for (const auto& [driver, fullscreen, boxes] : cases) {
        setenv("SDL_VIDEODRIVER", driver, 1);
        testing::internal::CaptureStderr();
        render::SetVideoMode(12345, 6789, 32, fullscreen);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), boxes) << driver;
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        EXPECT_FALSE(platform::HasWindow() || platform::HasContext()) << driver;
        render::KillWindow();
    }
}

}  // namespace
