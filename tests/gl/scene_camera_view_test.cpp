// The camera's change detection and frustum planes on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scene/camera.h"
#include "support/gl_context.h"

namespace {

class CameraView : public testing_support::GlTest {
protected:
    // Camera at the origin looking down +z (heading 0), projection of the window.
    void LookFromOrigin() {
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        camera.Apply(1);
        camera.frustum.UpdateFrustum();
    }
    scene::Camera camera;
};

TEST_F(CameraView, ChangesAreStampedWithTheFrame) {
    camera.position = scene::Vector(1, 2, 3);
    camera.Apply(7);
    EXPECT_EQ(camera.changeStamp, 7);
    // One remembered value is brought up to date per frame: target, then up.
    for (int frame : {8, 9, 10}) {
        camera.Apply(frame);
    }
    EXPECT_EQ(camera.changeStamp, 9);
    camera.heading = 10.0f;
    camera.Apply(11);
    EXPECT_EQ(camera.changeStamp, 11);
}

TEST_F(CameraView, FrustumKeepsWhatIsInFrontWithinTheFieldOfView) {
    LookFromOrigin();
    using scene::Vector;
    const auto& f = camera.frustum;
    EXPECT_TRUE(f.TriangleVisible(Vector(0, 0, 100), Vector(1, 0, 100), Vector(0, 1, 100), false));
    EXPECT_FALSE(
        f.TriangleVisible(Vector(0, 0, -100), Vector(1, 0, -100), Vector(0, 1, -100), false));
    // 60 degrees vertical at 4:3: at distance 100 the top edge is at y = 57.7.
    EXPECT_TRUE(
        f.TriangleVisible(Vector(0, 55, 100), Vector(1, 55, 100), Vector(0, 56, 100), false));
    EXPECT_FALSE(
        f.TriangleVisible(Vector(0, 60, 100), Vector(1, 60, 100), Vector(0, 61, 100), false));
    // Beyond the far plane at 30000.
    EXPECT_FALSE(
        f.TriangleVisible(Vector(0, 0, 31000), Vector(1, 0, 31000), Vector(0, 1, 31000), false));
}

TEST_F(CameraView, ModelMatrixMovesTrianglesIntoView) {
    LookFromOrigin();
    using scene::Vector;
    auto& f = camera.frustum;
    f.modelMatrix = scene::identityMatrix;
    f.modelMatrix.m[14] = 200.0f;  // move 200 along z
    Vector a(0, 0, -100), b(1, 0, -100), c(0, 1, -100);
    EXPECT_FALSE(f.TriangleVisible(a, b, c, false));
    EXPECT_TRUE(f.TriangleVisible(a, b, c, true));
    EXPECT_TRUE(f.BoxVisible(Vector(0, 0, 100), Vector(5, 5, 5)));
    EXPECT_FALSE(f.BoxVisible(Vector(0, 0, -100), Vector(5, 5, 5)));
    EXPECT_TRUE(f.BoxVisible(Vector(0, 0, -100), Vector(5, 5, 200)));
}

}  // namespace
