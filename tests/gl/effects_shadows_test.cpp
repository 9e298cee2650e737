// Stencil shadows on a real context: a lit box over a floor, loaded from a mesh file and
// drawn by the scene drawing, darkens the floor inside its shadow only; an open plate
// casts none; the stencil buffer is left clear for the next frame.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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
    const int quads[6][4] = {{0, 2, 6, 4}, {1, 3, 7, 5}, {0, 1, 5, 4},
                             {2, 3, 7, 6}, {0, 1, 3, 2}, {4, 5, 7, 6}};
    for (const auto& q : quads) {
        // Outward: from the box's centre towards the face's.
        Vector faceCentreTwice = box.vertices[size_t(q[0])] + box.vertices[size_t(q[2])];
        box.Quad(q[0], q[1], q[2], q[3], faceCentreTwice - low - high);
    }
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

// The window's projection: 60 degrees vertical, near plane 1, far plane 30000.
class ShadowsGl : public testing_support::GlTest {
protected:
    // A floor 40 units wide at y = 0 with `caster` on it, lit from (0, 10, 0).
    void Load(scene::Scene& scene, const FileMesh& caster) {
        folder.Write("Shadow.m3f", "TOTAL = 2\n" + Plate("Floor", 20, 0).Text() + caster.Text());
        scene.LoadScene("Shadow", 1.0f, false, 0, Vector(0, 0, 0), scene::Quaternion());
        ASSERT_EQ(scene.meshes.size(), 2u);
        scene::Light light;
        light.SetPosition(Vector(0, 10, 0, 1));
        scene.lights.push_back(light);
    }

    // Unlit white surfaces, then the shadows, seen from `eye`.
    void DrawFrom(scene::Scene& scene, const Vector& eye, const Vector& target, const Vector& up) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glLoadIdentity();
        gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, up.x, up.y, up.z);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_FOG);
        scene::DrawScene(scene);
        effects::DrawShadows(scene);
    }

    // Red of the pixel that shows world point `p`.
    int RedAt(const Vector& p) {
        GLdouble model[16], projection[16], wx = 0, wy = 0, wz = 0;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(p.x, p.y, p.z, model, projection, viewport, &wx, &wy, &wz);
        return PixelAt(int(wx), int(wy)).r;
    }
};

// From the light at height 10 the box top (height 4, half width 1) throws a square
// shadow of half width 10 / 6 on the floor: 255 lit, 77 in shadow. Each case leaves the
// stencil clear for the next frame. A scene without its light casts nothing.
TEST_F(ShadowsGl, ShadowDarkensTheFloorInsideItsOutlineOnly) {
    const FileMesh box = Box(Vector(-1, 2, -1), Vector(1, 4, 1));
    const Vector above(0, 30, 0);
    // A low eye whose view passes under the box, through the volume, to the floor.
    const Vector low(-10, 3, 0);
    using Reds = std::vector<std::pair<Vector, int>>;
    const Reds aroundTheBox = {{{1.4f, 0, 0}, 77},  {{-1.4f, 0, 0.5f}, 77}, {{0, 0, 1.5f}, 77},
                               {{1.9f, 0, 0}, 255}, {{6, 0, -6}, 255},      {{0, 4, 0}, 255}};
    const std::tuple<const char*, FileMesh, bool, Vector, Reds> cases[] = {
        {"box from above", box, false, above, aroundTheBox},
        {"box from low", box, false, low, {{{5, 0, 0}, 255}, {{1.3f, 0, 0}, 77}}},
        {"open plate", Plate("Plate", 1, 4), false, above, {{{1.4f, 0, 0}, 255}}},
        {"hidden box", box, true, above, {{{1.4f, 0, 0}, 255}, {{0, 0, 0}, 255}}}};
    for (const auto& [what, caster, hidden, eye, reds] : cases) {
        SCOPED_TRACE(what);
        scene::Scene scene;
        Load(scene, caster);
        scene.objects[1].visible = !hidden;
        bool fromAbove = eye.y > 10;
        DrawFrom(scene, eye, fromAbove ? Vector(0, 0, 0) : Vector(5, 0, 0),
                 fromAbove ? Vector(0, 0, -1) : Vector(0, 1, 0));
        for (const auto& [point, red] : reds) {
            EXPECT_NEAR(RedAt(point), red, 2) << point.x << " " << point.y << " " << point.z;
        }
        std::vector<uint8_t> stencil(size_t(width) * size_t(height), 1);
        glReadPixels(0, 0, width, height, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, stencil.data());
        EXPECT_EQ(std::count(stencil.begin(), stencil.end(), 0), long(stencil.size()));
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    scene::Scene scene;
    Load(scene, box);
    scene.lights.clear();
    EXPECT_FALSE(effects::DrawShadowVolumes(scene, 0));
    EXPECT_NE(Log().find("No shadow volumes: the scene has no light 0"), std::string::npos);
}

}  // namespace
