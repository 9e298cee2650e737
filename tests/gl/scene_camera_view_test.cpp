// The camera's change stamps and frustum planes on a real context.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "scene/camera.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

class CameraView : public testing_support::GlTest {
protected:
    // Whether the triangle at `p`, with its other corners one unit along x and y,
    // is seen.
    bool Visible(const Vector& p, bool moved = false) const {
        return camera.frustum.TriangleVisible(p, p + Vector(1, 0, 0), p + Vector(0, 1, 0), moved);
    }
    scene::Camera camera;
};

// One remembered value of the view is brought up to date per frame: position, target, up.
TEST_F(CameraView, ChangesAreStampedWithTheFrame) {
    camera.position = Vector(1, 2, 3);
    for (int frame : {7, 8, 9, 10}) {
        camera.Advance(frame);
    }
    EXPECT_EQ(camera.changeStamp, 9);
    camera.heading = 10.0f;
    camera.Advance(11);
    EXPECT_EQ(camera.changeStamp, 11);
}

// From the origin looking down +z (heading 0), with the window's projection.
TEST_F(CameraView, FrustumKeepsWhatIsInFrontWithinTheFieldOfView) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera.Advance(1);
    camera.Look();
    camera.frustum.UpdateFrustum();
    EXPECT_TRUE(Visible(Vector(0, 0, 100)));
    EXPECT_FALSE(Visible(Vector(0, 0, -100)));
    // 60 degrees vertical at 4:3: at distance 100 the top edge is at y = 57.7.
    EXPECT_TRUE(Visible(Vector(0, 55, 100)));
    EXPECT_FALSE(Visible(Vector(0, 60, 100)));
    EXPECT_FALSE(Visible(Vector(0, 0, 31000))) << "beyond the far plane at 30000";

    // A model matrix moving 200 along z brings what is behind into view.
    auto& f = camera.frustum;
    f.modelMatrix = scene::identityMatrix;
    f.modelMatrix.m[14] = 200.0f;
    EXPECT_FALSE(Visible(Vector(0, 0, -100)));
    EXPECT_TRUE(Visible(Vector(0, 0, -100), true));
    EXPECT_TRUE(f.BoxVisible(Vector(0, 0, 100), Vector(5, 5, 5)));
    EXPECT_FALSE(f.BoxVisible(Vector(0, 0, -100), Vector(5, 5, 5)));
    EXPECT_TRUE(f.BoxVisible(Vector(0, 0, -100), Vector(5, 5, 200)));
}

}  // namespace
