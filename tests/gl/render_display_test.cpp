// The display's projection, viewport and fixed GL state on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "app/window.h"
#include "render/display.h"
#include "support/gl_context.h"

namespace {

class WindowGl : public testing_support::GlTest {};

// Vertical field of view in degrees from the projection matrix: m[5] = cot(fov / 2).
double FieldOfView() {
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    return 2.0 * std::atan(1.0 / m[5]) * 180.0 / M_PI;
}

double Aspect() {
    GLdouble m[16];
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    return m[5] / m[0];
}

TEST_F(WindowGl, FieldOfViewGrowsWithTheAspect) {
    EXPECT_NEAR(FieldOfView(), 60.0, 1e-6);
    render::ResizeScene(800, 600);
    EXPECT_NEAR(FieldOfView(), 60.0, 1e-6);
    render::ResizeScene(1280, 1024);
    EXPECT_NEAR(FieldOfView(), 56.25, 1e-6);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1280);
    EXPECT_EQ(viewport[3], 1024);
}

TEST_F(WindowGl, ZeroHeightIsTakenAsOne) {
    app::WindowProc({platform::WM_SIZE, 0, platform::MakeLParam(200, 0)});
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
    EXPECT_NEAR(Aspect(), 200.0, 1e-3);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(WindowGl, FixedStateHoldsFromTheFirstFrame) {
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    GLint value;
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
    EXPECT_EQ(value, GL_GREATER);
    GLfloat reference;
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    EXPECT_NEAR(reference, 180.0 / 255.0, 1e-6);
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &value);
    EXPECT_EQ(value, GL_DIFFUSE);
}

TEST_F(WindowGl, ContextHasDepthAndStencil) {
    GLint bits;
    glGetIntegerv(GL_DEPTH_BITS, &bits);
    EXPECT_GE(bits, 24);
    glGetIntegerv(GL_STENCIL_BITS, &bits);
    EXPECT_GE(bits, 8);
}

TEST_F(WindowGl, ClearedFrameReadsBackBlack) {
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    auto pixel = PixelAt(10, 10);
    EXPECT_EQ(pixel.r, 255);
    EXPECT_EQ(pixel.g, 0);
}

}  // namespace
