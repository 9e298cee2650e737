// Stencil shadows on a real context: a lit box over a floor, loaded from a mesh file and
// drawn by the scene drawing, darkens the floor inside its shadow only; an open plate
// casts none; the stencil buffer is left clear for the next frame.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

#include "effects/shadows.h"
#include "scene/scene.h"
#include "scene/scene_drawing.h"
#include "support/gl_context.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/geometry/scene_writer.h"

namespace {

using scene::Vector;

// A horizontal square of half width `half` at height y, facing up: open, every edge a border.
tools::data::MeshData Plate(float half, float y) {
    return tools::data::Sheet(Vector(-half, y, -half), Vector(0, 0, 2 * half),
                              Vector(2 * half, 0, 0), 1, 1, 1, 1);
}

// A closed box from `low` to `high`: its faces share their edges.
tools::data::MeshData Box(const Vector& low, const Vector& high) {
    tools::data::MeshData box = tools::data::Transformed(
        tools::data::Box((high - low) * 0.5f, 1), tools::data::Translation((low + high) * 0.5f));
    tools::data::WeldVertices(box);
    return box;
}

// The window's projection: 60 degrees vertical, near plane 1, far plane 30000.
class ShadowsGl : public testing_support::GlTest {
protected:
    // A floor 40 units wide at y = 0 with `caster` on it, lit from (0, 10, 0).
    void Load(scene::Scene& scene, const tools::data::MeshData& caster) {
        tools::data::SceneDraft draft{"Shadow", {1.0f, Vector(0, 0, 0)}, {}, {}};
        draft.AddObject("Floor", 0, Plate(20, 0));
        draft.AddObject("Caster", 0, caster);
        folder.Write("Shadow.m3f", tools::data::MeshFileText(draft));
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
    const tools::data::MeshData box = Box(Vector(-1, 2, -1), Vector(1, 4, 1));
    const Vector above(0, 30, 0);
    // A low eye whose view passes under the box, through the volume, to the floor.
    const Vector low(-10, 3, 0);
    using Reds = std::vector<std::pair<Vector, int>>;
    const Reds aroundTheBox = {{{1.4f, 0, 0}, 77},  {{-1.4f, 0, 0.5f}, 77}, {{0, 0, 1.5f}, 77},
                               {{1.9f, 0, 0}, 255}, {{6, 0, -6}, 255},      {{0, 4, 0}, 255}};
    const std::tuple<const char*, tools::data::MeshData, bool, Vector, Reds> cases[] = {
        {"box from above", box, false, above, aroundTheBox},
        {"box from low", box, false, low, {{{5, 0, 0}, 255}, {{1.3f, 0, 0}, 77}}},
        {"open plate", Plate(1, 4), false, above, {{{1.4f, 0, 0}, 255}}},
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
