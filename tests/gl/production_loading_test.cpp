// What production loading leaves, whatever the scenes draw: each scene's lights and particle
// systems, and the Seer landscape at its size and place.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "production/content.h"
#include "production/production.h"
#include "production/show.h"
#include "support/gl_context.h"
#include "tools/data/content_folder.h"
#include "tools/data/geometry/scene_writer.h"

namespace {

using production::show;
using scene::Vector;

std::vector<float> Xyzw(const Vector& v) {
    return {v.x, v.y, v.z, v.w};
}

using ProductionLoading = testing_support::GlTest;

TEST_F(ProductionLoading, BuildsEachScenesLightsAndParticleSystemsAndPlacesTheSeer) {
    // The Seer's one triangle, written where a scale of 100 and 1000 along z put it.
    tools::data::SceneDraft seer;
    seer.basePath = production::content::kSeerScene;
    seer.placement = {100.0f, Vector(0, 0, 1000)};
    tools::data::MeshData triangle;
    for (const Vector& corner : {Vector(0, 0, 1000), Vector(300, 0, 1000), Vector(0, 0, 1500)}) {
        triangle.AddVertex(corner, Vector(0, 1, 0));
    }
    triangle.AddFace({{0, 1, 2}, {}, {}});
    seer.AddObject("ground", seer.AddMaterial(tools::data::MaterialDraft("ground")), triangle);
    tools::data::ContentFolder content(folder.path(), nullptr);
    tools::data::WriteScene(content, seer);
    production::LoadProduction();

    ASSERT_EQ(show.mainScene.particleSystems.size(), 11u);
    for (size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(show.mainScene.particleSystems[i].particles.size(), i < 10 ? 30u : 1000u) << i;
    }
    EXPECT_EQ(show.fireSystemIndex, 10);
    EXPECT_EQ(Xyzw(show.mainScene.lights.at(0).position), Xyzw(Vector(-5, 110, 60.5f, 1)));
    // Each scene, its lights, its particle systems (the light's flare), its last light.
    const std::tuple<const production::ShowScene&, size_t, size_t, Vector> scenes[] = {
        {show.mainScene, 2, 11, Vector(105, 140, 0.5f, 1)},
        {show.hallScene, 1, 1, Vector(-5, 110, 60.5f, 1)},
        {show.woodScene, 1, 0, Vector(-5, 110, 60.5f, 1)},
        {show.keyRoomScene, 1, 1, Vector(-5, 110, 60.5f, 1)},
        {show.lightScene, 1, 0, Vector(-5, 110, 60.5f, 1)}};
    for (const auto& [scene, lights, systems, position] : scenes) {
        ASSERT_EQ(scene.lights.size(), lights);
        EXPECT_EQ(scene.particleSystems.size(), systems);
        EXPECT_EQ(Xyzw(scene.lights.back().position), Xyzw(position));
        EXPECT_TRUE(scene.lights.back().hasAttenuation);
    }
    ASSERT_EQ(show.mainScene.meshes.at(0).vertices.size(), 3u);
    const Vector& far = show.mainScene.meshes[0].vertices[2].position;
    EXPECT_EQ(Xyzw(Vector(far.x, far.y, far.z)), Xyzw(Vector(0, 0, 1500)));
    EXPECT_EQ(show.mainScene.meshes[0].vertices[1].position.x, 300);
}

}  // namespace
