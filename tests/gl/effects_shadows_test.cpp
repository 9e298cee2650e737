// Stencil shadows on a real context: a lit box over a floor, loaded from a mesh file and
// drawn by the scene drawing, darkens the floor inside its shadow only; an open plate
// casts none; the state and the stencil buffer are left as the frame expects.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "console/log.h"
#include "effects/shadows.h"
#include "scene/scene.h"
#include "scene/scene_drawing.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

// A mesh in engine coordinates, written out in the mesh file's axes.
struct FileMesh {
    std::string name;
    std::vector<Vector> vertices;
    std::vector<std::array<int, 3>> faces;

    // Two triangles over the corner cycle a b c d, wound so that the face normal the
    // mesh reader computes, (c - a) × (b - a), points along `outward`.
    void Quad(int a, int b, int c, int d, const Vector& outward) {
        const Vector& pa = vertices[size_t(a)];
        Vector normal = (vertices[size_t(c)] - pa).Cross(vertices[size_t(b)] - pa);
        if (normal.Dot(outward) < 0) {
            std::swap(b, d);
        }
        faces.push_back({a, b, c});
        faces.push_back({a, c, d});
    }

    std::string Text() const {
        std::string text =
            "MESH " + name + "\nMatID 0\nNumVerts " + std::to_string(vertices.size()) + "\n";
        for (const Vector& v : vertices) {
            // The reader turns file (x, y, z) into engine (-x, z, y).
            text += std::to_string(-v.x) + " " + std::to_string(v.z) + " " + std::to_string(v.y) +
                    " 0 0 1\n";
        }
        text += "NumFace " + std::to_string(faces.size()) + "\n";
        for (const auto& f : faces) {
            text += std::to_string(f[0] + 1) + " " + std::to_string(f[1] + 1) + " " +
                    std::to_string(f[2] + 1) + " 0 0 0 0 0 0 0 0 1\n";
        }
        return text;
    }
};

// Corner i has x from bit 0, y from bit 1, z from bit 2.
FileMesh Box(const Vector& low, const Vector& high) {
    FileMesh box{"Box", {}, {}};
    for (int i = 0; i < 8; ++i) {
        box.vertices.emplace_back(i & 1 ? high.x : low.x, i & 2 ? high.y : low.y,
                                  i & 4 ? high.z : low.z);
    }
    box.Quad(0, 2, 6, 4, Vector(-1, 0, 0));
    box.Quad(1, 3, 7, 5, Vector(1, 0, 0));
    box.Quad(0, 1, 5, 4, Vector(0, -1, 0));
    box.Quad(2, 3, 7, 6, Vector(0, 1, 0));
    box.Quad(0, 1, 3, 2, Vector(0, 0, -1));
    box.Quad(4, 5, 7, 6, Vector(0, 0, 1));
    return box;
}

// A horizontal square at height y, facing up: open, every edge a border.
FileMesh Plate(const std::string& name, float half, float y) {
    FileMesh plate{name, {}, {}};
    plate.vertices = {Vector(-half, y, -half), Vector(half, y, -half), Vector(half, y, half),
                      Vector(-half, y, half)};
    plate.Quad(0, 1, 2, 3, Vector(0, 1, 0));
    return plate;
}

class ShadowsGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, 640.0 / 480.0, 1.0, 30000.0);
        glMatrixMode(GL_MODELVIEW);
    }

    // A floor 40 units wide at y = 0 with `caster` on it, lit from (0, 10, 0).
    void Load(const FileMesh& caster) {
        folder.Write("Shadow.m3f", "TOTAL = 2\n" + Plate("Floor", 20, 0).Text() + caster.Text());
        scene.LoadScene("Shadow", 1.0f, false, 0, Vector(0, 0, 0), scene::Quaternion());
        ASSERT_EQ(scene.meshes.size(), 2u);
        scene::Light light;
        light.SetPosition(Vector(0, 10, 0, 1));
        scene.lights.push_back(light);
    }

    // Unlit white surfaces, then the shadows, seen from `eye`.
    void DrawFrom(const Vector& eye, const Vector& target, const Vector& up) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glLoadIdentity();
        gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_FOG);
        scene::DrawScene(scene);
        effects::DrawShadows(scene);
    }
    void DrawFromAbove() { DrawFrom(Vector(0, 30, 0), Vector(0, 0, 0), Vector(0, 0, -1)); }

    // Red of the pixel that shows world point (x, y, z).
    int RedAt(float x, float y, float z) {
        GLdouble model[16], projection[16], wx = 0, wy = 0, wz = 0;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
        return PixelAt(int(wx), int(wy)).r;
    }

    std::vector<uint8_t> Stencil() const {
        std::vector<uint8_t> stencil(size_t(width) * size_t(height));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, stencil.data());
        return stencil;
    }

    scene::Scene scene;
};

// From the light at height 10 the box top (height 4, half width 1) throws a square
// shadow of half width 10 / 6 on the floor.
TEST_F(ShadowsGl, LitBoxDarkensTheFloorInsideItsShadowOnly) {
    Load(Box(Vector(-1, 2, -1), Vector(1, 4, 1)));
    DrawFromAbove();
    EXPECT_NEAR(RedAt(1.4f, 0, 0), 77, 2);
    EXPECT_NEAR(RedAt(-1.4f, 0, 0.5f), 77, 2);
    EXPECT_NEAR(RedAt(0, 0, 1.5f), 77, 2);
    EXPECT_EQ(RedAt(1.9f, 0, 0), 255);
    EXPECT_EQ(RedAt(6, 0, -6), 255);
    // The lit top of the box lies in no volume.
    EXPECT_EQ(RedAt(0, 4, 0), 255);
}

TEST_F(ShadowsGl, FloorSeenThroughTheVolumeStaysLit) {
    Load(Box(Vector(-1, 2, -1), Vector(1, 4, 1)));
    // A low eye whose view passes under the box, through the volume, to the floor.
    DrawFrom(Vector(-10, 3, 0), Vector(5, 0, 0), Vector(0, 1, 0));
    EXPECT_EQ(RedAt(5, 0, 0), 255);
    EXPECT_NEAR(RedAt(1.3f, 0, 0), 77, 2);
}

TEST_F(ShadowsGl, OpenPlateCastsNoShadow) {
    Load(Plate("Plate", 1, 4));
    DrawFromAbove();
    EXPECT_EQ(RedAt(1.4f, 0, 0), 255);
    EXPECT_EQ(RedAt(0, 0, 1.5f), 255);
}

TEST_F(ShadowsGl, HiddenObjectsAndTheirShadowsAreSkipped) {
    Load(Box(Vector(-1, 2, -1), Vector(1, 4, 1)));
    scene.FindObject("Box")->visible = false;
    DrawFromAbove();
    EXPECT_EQ(RedAt(1.4f, 0, 0), 255);
    EXPECT_EQ(RedAt(0, 0, 0), 255);
}

TEST_F(ShadowsGl, LeavesStencilClearAndTheStateForTheCaller) {
    Load(Box(Vector(-1, 2, -1), Vector(1, 4, 1)));
    DrawFromAbove();
    for (uint8_t value : Stencil()) {
        ASSERT_EQ(value, 0);
    }
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    GLboolean depthWrites = GL_FALSE;
    GLboolean colorWrites[4] = {};
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    glGetBooleanv(GL_COLOR_WRITEMASK, colorWrites);
    EXPECT_TRUE(depthWrites);
    EXPECT_TRUE(colorWrites[0] && colorWrites[1] && colorWrites[2] && colorWrites[3]);
    GLint depthFunction = 0, frontFace = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    glGetIntegerv(GL_FRONT_FACE, &frontFace);
    EXPECT_EQ(depthFunction, GL_LEQUAL);
    EXPECT_EQ(frontFace, GL_CCW);
    GLfloat color[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, color);
    EXPECT_EQ(std::vector<float>(color, color + 4), std::vector<float>({1, 1, 1, 1}));
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

// Everything DrawShadows touches, to see that a scene without lights touches nothing.
struct ShadowState {
    std::vector<GLboolean> enabled;
    std::vector<GLint> integers;
    std::vector<GLfloat> color;
    bool operator==(const ShadowState& o) const {
        return enabled == o.enabled && integers == o.integers && color == o.color;
    }
};

ShadowState ReadShadowState() {
    ShadowState state;
    for (GLenum cap : {GL_TEXTURE_2D, GL_LIGHTING, GL_FOG, GL_CULL_FACE, GL_STENCIL_TEST, GL_BLEND,
                       GL_ALPHA_TEST}) {
        state.enabled.push_back(glIsEnabled(cap));
    }
    GLboolean masks[5] = {};
    glGetBooleanv(GL_DEPTH_WRITEMASK, masks);
    glGetBooleanv(GL_COLOR_WRITEMASK, masks + 1);
    state.enabled.insert(state.enabled.end(), masks, masks + 5);
    for (GLenum name :
         {GL_DEPTH_FUNC, GL_FRONT_FACE, GL_STENCIL_FUNC, GL_STENCIL_REF, GL_STENCIL_PASS_DEPTH_PASS,
          GL_BLEND_SRC, GL_BLEND_DST, GL_SHADE_MODEL, GL_MATRIX_MODE}) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        state.integers.push_back(value);
    }
    state.color.resize(4);
    glGetFloatv(GL_CURRENT_COLOR, state.color.data());
    return state;
}

TEST_F(ShadowsGl, SceneWithoutLightsChangesNothing) {
    Load(Box(Vector(-1, 2, -1), Vector(1, 4, 1)));
    scene.lights.clear();
    glClearStencil(3);
    glClear(GL_STENCIL_BUFFER_BIT);
    glClearStencil(0);
    glEnable(GL_TEXTURE_2D);
    glDepthFunc(GL_GREATER);
    glShadeModel(GL_FLAT);
    glColor4f(0.25f, 0.5f, 0.75f, 1);
    ShadowState before = ReadShadowState();
    effects::DrawShadows(scene);
    EXPECT_TRUE(ReadShadowState() == before);
    for (uint8_t value : Stencil()) {
        ASSERT_EQ(value, 3);
    }

    // Asking for the volumes of a light the scene lacks is refused and logged.
    EXPECT_FALSE(effects::DrawShadowVolumes(scene, 0));
    EXPECT_NE(Log().find("No shadow volumes: the scene has no light 0"), std::string::npos);
}

}  // namespace
