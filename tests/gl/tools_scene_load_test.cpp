// The generated show folder loaded on a real context the way the production loads it:
// every scene file and texture is found and read without a complaint in the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/log.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/scene.h"
#include "support/gl_context.h"
#include "support/log_lines.h"
#include "tools/data/content_folder.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/scenes.h"
#include "tools/data/texture_set.h"

namespace {

using scene::Vector;

class ShowSceneLoad : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        tools::data::ContentFolder content(folder.path(), nullptr);
        tools::data::WriteTextures(content);
        tools::data::WriteScenes(content);
    }
};

void Load(scene::Scene& scene, const char* path, float scale, const Vector& offset) {
    scene.LoadScene(path, scale, false, 0, offset, scene::Quaternion());
}

TEST_F(ShowSceneLoad, EverySceneLoadsWithItsTexturesAndNoComplaint) {
    scene::Scene main, hall, wood, keyRoom;
    Load(main, "Data\\Seer\\Seer", 100.0f, Vector(0, 0, 1000));
    Load(main, "Data\\Lumo\\lumo", 1.0f, Vector(0, 0, 0));
    Load(main, "Data\\Ring3\\ring3", 1.0f, Vector(0, 0, 0));
    Load(hall, "Data\\Hall\\Hall", 1.0f, Vector(4000, 0, 0));
    Load(wood, "Data\\Wood\\Wood", 1.0f, Vector(8000, -1000, 0));
    Load(keyRoom, "Data\\KeyRoom\\KeyRoom", 1.0f, Vector(0, 0, 0));

    EXPECT_EQ(testing_support::ProblemLines(Log()), std::vector<std::string>{});
    for (const tools::data::SceneDraft& draft : tools::data::AllScenes()) {
        for (const tools::data::MaterialDraft& named : draft.materials) {
            // The name keeps the blank after its "=".
            int32_t index = scene::FindMaterial(" " + named.name);
            ASSERT_GE(index, 0) << named.name;
            const scene::Material& material = scene::drawing.MaterialTable[size_t(index)];
            EXPECT_EQ(material.diffuseMap.Present(), !named.diffuseMap.empty()) << named.name;
            EXPECT_EQ(material.reflectionMap.Present(), !named.reflectionMap.empty());
        }
    }
    for (scene::Scene* loaded : {&main, &hall, &wood, &keyRoom}) {
        for (const scene::Mesh& mesh : loaded->meshes) {
            EXPECT_GT(mesh.displayList, 0) << mesh.name;
            EXPECT_GE(mesh.materialIndex, 0) << mesh.name;
        }
    }
    // The hall is built round the origin; the loader's offset is undone in its file.
    const scene::Mesh& column = hall.meshes[size_t(hall.FindObject("Column1")->meshIndex)];
    EXPECT_NEAR(column.vertices[0].position.x, -300.0f, 0.01f);
    EXPECT_NEAR(column.vertices[0].position.y, tools::data::layout::kGround, 0.01f);
}

}  // namespace
