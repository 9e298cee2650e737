// Frame composition read back from the screen: what each part draws, and the key
// room's reflection held inside the water's stencil mask.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "production/content.h"
#include "production/frame_composition.h"
#include "production/production.h"
#include "production/schedule.h"
#include "production/show.h"
#include "scene/mesh_drawing.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

// Adds a quad (two triangles, corners in order around it) as a named object.
void AddQuad(scene::Scene& scene, const char* name, const Vector corners[4], const Vector& normal) {
    scene::Mesh mesh;
    mesh.name = name;
    for (int i = 0; i < 4; ++i) {
        scene::Vertex vertex;
        vertex.position = corners[i];
        vertex.normal = normal;
        vertex.color = Vector(1, 1, 1, 1);
        mesh.vertices.push_back(vertex);
    }
    for (const auto& corners : {std::array<int, 3>{0, 1, 2}, std::array<int, 3>{0, 2, 3}}) {
        scene::Face face;
        for (int k = 0; k < 3; ++k) {
            face.index[k] = corners[k];
        }
        face.normal = normal;
        mesh.faces.push_back(face);
    }
    scene::BuildDisplayList(mesh);
    scene.meshes.push_back(std::move(mesh));
    scene::SceneObject object;
    object.name = name;
    object.meshIndex = static_cast<int32_t>(scene.meshes.size()) - 1;
    scene.objects.push_back(object);
}

void ClearScene(production::ShowScene& scene) {
    scene.meshes.clear();
    scene.objects.clear();
    scene.lights.clear();
    scene.particleSystems.clear();
    scene.camera = &production::show.camera;
}

class FrameComposition : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        for (production::ShowScene* s :
             {&production::show.mainScene, &production::show.keyRoomScene,
              &production::show.lightScene}) {
            ClearScene(*s);
        }
        production::show.camera = scene::Camera{};
        production::show.camera.position = Vector(0, 50, -100);
        production::show.mainScene.camera = &production::show.camera;
    }
    // Brightest channel of a pixel.
    int Brightness(int x, int y) const {
        Rgba p = PixelAt(x, y);
        return std::max(p.r, std::max(p.g, p.b));
    }
};

// Parts 0 and 2 draw the main scene through the main camera; the hall (3) and the
// overlay-only part 11 do not.
TEST_F(FrameComposition, TheMainSceneShowsOnlyInItsParts) {
    const Vector wall[4] = {{100, -100, 200}, {-100, -100, 200}, {-100, 200, 200}, {100, 200, 200}};
    AddQuad(production::show.mainScene, "wall", wall, Vector(0, 0, -1));
    production::show.mainScene.lights.resize(1);
    production::show.mainScene.lights[0].SetAmbient(1, 1, 1, 1);
    production::show.lightScene.camera = nullptr;
    for (int part : {0, 2, 3, 11}) {
        production::show.partIndex = part;
        glDisable(GL_FOG);  // the overlay leaves it on for the schedule's fog
        production::DrawFrame();
        EXPECT_EQ(Brightness(320, 240) > 0, part < 3) << "part " << part;
    }
    EXPECT_EQ(production::show.lightScene.camera, production::show.mainScene.camera);
}

TEST_F(FrameComposition, ReflectionStaysInsideTheWater) {
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

}  // namespace
