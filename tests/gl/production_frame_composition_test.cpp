// Frame composition read back from the screen: the key room's reflection held inside the
// water's stencil mask.
#include <gtest/gtest.h>

#include <vector>

#include "production/content.h"
#include "production/frame_composition.h"
#include "production/show.h"
#include "scene/mesh_drawing.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

// Adds a quad (two triangles, corners in order around it) as a named object.
void AddQuad(scene::Scene& scene, const char* name, const Vector corners[4], const Vector& normal) {
    scene::Mesh& mesh = scene.meshes.emplace_back();
    mesh.name = name;
    for (int i = 0; i < 4; ++i) {
        mesh.vertices.push_back({corners[i], Vector(1, 1, 1, 1), normal});
    }
    mesh.faces.push_back({{0, 1, 2}, {}, {}, normal});
    mesh.faces.push_back({{0, 2, 3}, {}, {}, normal});
    scene::BuildDisplayList(mesh);
    scene::SceneObject& object = scene.objects.emplace_back();
    object.name = name;
    object.meshIndex = static_cast<int32_t>(scene.meshes.size()) - 1;
}

class FrameComposition : public testing_support::GlTest {
protected:
    // Brightest channel of a pixel.
    int Brightness(int x, int y) const {
        Rgba p = PixelAt(x, y);
        return std::max(p.r, std::max(p.g, p.b));
    }
};

TEST_F(FrameComposition, ReflectionStaysInsideTheWater) {
    production::show.camera.position = Vector(0, 50, -100);
    production::show.keyRoomScene.camera = &production::show.camera;
    production::show.partIndex = 8;
    production::show.animationTime = 130.0f;
    production::show.keyRoomScene.lights.resize(1);
    production::show.keyRoomScene.lights[0].SetAmbient(1, 1, 1, 1);
    // A wall above the water, and water under the right half of the view only (looking
    // down +z, world +x is on the left of the screen).
    const Vector wall[4] = {{10, 20, 200}, {-10, 20, 200}, {-10, 40, 200}, {10, 40, 200}};
    AddQuad(production::show.keyRoomScene, "wall", wall, Vector(0, 0, -1));
    const float y = production::content::kWaterLevel;
    const Vector water[4] = {{-200, y, 0}, {0, y, 0}, {0, y, 400}, {-200, y, 400}};
    AddQuad(production::show.keyRoomScene, production::content::kWaterSurface, water,
            Vector(0, 1, 0));
    production::DrawFrame();
    // The wall itself, 14 to 41 rows below the centre, on both sides of the middle.
    EXPECT_GT(Brightness(312, 240 - 25), 0);
    EXPECT_GT(Brightness(328, 240 - 25), 0);
    // Its mirror image, 56 to 84 rows below the centre: only over the water.
    EXPECT_GT(Brightness(328, 240 - 70), 0);
    EXPECT_EQ(Brightness(312, 240 - 70), 0);
    // Beside the wall the water shows nothing of its own.
    EXPECT_EQ(Brightness(400, 240 - 70), 0);
}

// A frame moved on without drawing leaves the view test's planes as its drawing leaves them:
// renewed for the moved camera where the part draws a scene, untouched in part 11's pause.
TEST_F(FrameComposition, AnUndrawnFrameKeepsTheViewTestOfADrawnOne) {
    for (int part : {1, 8, 11}) {
        std::vector<float> planes[2];
        for (bool drawn : {false, true}) {
            production::show = production::Show{};
            production::show.partIndex = part;
            production::show.mainScene.camera = &production::show.camera;
            production::show.keyRoomScene.camera = &production::show.camera;
            production::show.camera.position = Vector(5, 10, -50);
            production::show.camera.heading = 30.0f;
            production::AdvanceFrame();
            drawn ? production::DrawFrame() : production::KeepViewTest();
            const auto& kept = production::show.camera.frustum.planes;
            planes[drawn].assign(&kept[0][0], &kept[0][0] + 24);
        }
        EXPECT_EQ(planes[0], planes[1]) << "part " << part;
        EXPECT_EQ(planes[0][3] == 1.0f, part == 11) << "part " << part;
    }
}

}  // namespace
