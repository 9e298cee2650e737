// The display's projection and viewport on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/window.h"
#include "support/gl_context.h"

namespace {

using WindowGl = testing_support::GlTest;

// The vertical field of view grows with the aspect past 4:3; a zero height is taken as one.
TEST_F(WindowGl, ResizingSetsTheViewportAndFieldOfView) {
    const struct {
        int width, height;
        double fieldOfView, aspect;
    } cases[] = {{640, 480, 60.0, 4.0 / 3},
                 {800, 600, 60.0, 4.0 / 3},
                 {1280, 1024, 56.25, 1.25},
                 {200, 0, -1, 200.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        app::WindowProc({platform::WM_SIZE, 0, platform::MakeLParam(c.width, c.height)});
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[3], std::max(c.height, 1));
        GLdouble m[16];
        glGetDoublev(GL_PROJECTION_MATRIX, m);
        // m[5] = cot(fov / 2), m[0] = m[5] / aspect.
        if (c.fieldOfView > 0) {
            EXPECT_NEAR(2.0 * std::atan(1.0 / m[5]) * 180.0 / M_PI, c.fieldOfView, 1e-6);
        }
        EXPECT_NEAR(m[5] / m[0], c.aspect, 1e-3);
    }
}

}  // namespace
