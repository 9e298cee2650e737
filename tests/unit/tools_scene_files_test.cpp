// The scene files of the show: the writer's text read back by the engine's readers lands
// where it was built, every object the production names exists, shadow casters are
// closed, the water lies on the mirror plane, and each scene stays within its triangles.
#include <gtest/gtest.h>

#include <map>

#include "console/log.h"
#include "production/content.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "support/process_test.h"
#include "tools/data/content_folder.h"
#include "tools/data/mesh_shapes.h"
#include "tools/data/scenes/scenes.h"
#include "tools_scene_reading.h"

using namespace tools::data;
using scene::Vector;
using tools_scene_testing::OpenFaces;
using tools_scene_testing::ReadBack;

namespace {

namespace content = production::content;

using SceneWriter = testing_support::ProcessTest;

TEST_F(SceneWriter, WhatItWritesTheEngineReadsBackInPlace) {
    SceneDraft draft;
    draft.basePath = "Data\\Test\\test";
    draft.placement = {100.0f, Vector(0, 0, 1000)};
    MaterialDraft leaf("Test leaf");
    leaf.shader = "Leaf";
    leaf.color = {255, 128, 0};
    leaf.opacity = 40;
    leaf.glossiness = 50;
    leaf.specular = 200;
    draft.AddMaterial(MaterialDraft("Test plain"));
    draft.AddObject("Ball", draft.AddMaterial(leaf),
                    Transformed(Sphere(30, 8), TurnX(30, Vector(123, -45, 1678))));
    ContentFolder out(folder.path(), nullptr);
    WriteScene(out, draft);

    scene::MaterialRemap remap;
    scene::ReadMaterialFile(draft.basePath, remap);
    ASSERT_EQ(scene::drawing.MaterialTable.size(), 2u);
    const scene::Material& m = scene::drawing.MaterialTable[1];
    EXPECT_EQ(m.shaderType, "Leaf");
    EXPECT_FLOAT_EQ(m.diffuse.y, 128 / 255.0f);
    EXPECT_FLOAT_EQ(m.opacity, 40);
    EXPECT_FLOAT_EQ(m.specular.x, 200 / 256.0f * 0.5f);
    scene::WordReader in;
    ASSERT_TRUE(in.Open(draft.basePath + ".m3f"));
    scene::Scene read;
    scene::ReadMeshFile(in, draft.placement, remap, read);
    ASSERT_EQ(read.meshes.size(), 1u);
    const scene::Mesh& mesh = read.meshes[0];
    const MeshData& built = draft.objects[0].mesh;
    EXPECT_EQ(mesh.materialIndex, 1);
    ASSERT_EQ(mesh.vertices.size(), built.vertices.size());
    for (size_t i = 0; i < built.vertices.size(); ++i) {
        EXPECT_NEAR((mesh.vertices[i].position - built.vertices[i].position).Length(), 0, 0.01f);
    }
    ASSERT_EQ(mesh.faces.size(), built.faces.size());
    for (size_t i = 0; i < built.faces.size(); ++i) {
        // The corners come back in the order a, c, b, each with its texture coordinates.
        EXPECT_EQ(mesh.faces[i].index[1], built.faces[i].index[2]);
        EXPECT_FLOAT_EQ(mesh.faces[i].u[1], built.faces[i].u[2]);
    }
}

// The show's scenes, built once and read back the way the production loads them.
class ShowScenes : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        testing_support::TempFolder folder;
        console::StartLog("Torvan.log");
        read_ = new std::map<std::string, scene::Scene>();
        const char* into[] = {"main", "main", "main", "hall", "wood", "keyroom"};
        std::vector<SceneDraft> drafts = AllScenes();
        for (size_t i = 0; i < drafts.size(); ++i) {
            ReadBack(drafts[i], folder, (*read_)[into[i]]);
        }
    }
    static void TearDownTestSuite() { delete read_; }

    static const scene::Mesh* MeshOf(const std::string& which, const std::string& object) {
        scene::SceneObject* found = (*read_)[which].FindObject(object);
        return found ? &(*read_)[which].meshes[size_t(found->meshIndex)] : nullptr;
    }

    static std::map<std::string, scene::Scene>* read_;
};

std::map<std::string, scene::Scene>* ShowScenes::read_ = nullptr;

// Every object the parts name is there with faces; shadow casters are closed solids.
TEST_F(ShowScenes, TheNamedObjectsAreThereAndShadowCastersClosed) {
    std::vector<std::pair<std::string, std::string>> named = {{"keyroom", content::kWaterSurface},
                                                              {"keyroom", content::kWaterFilm}};
    for (const char* name : content::kRingObjects) {
        named.push_back({"main", name});
    }
    for (const char* name : content::kLogoObjects) {
        named.push_back({"main", name});
    }
    for (const auto& [which, name] : named) {
        const scene::Mesh* mesh = MeshOf(which, name);
        EXPECT_TRUE(mesh && !mesh->faces.empty()) << name;
    }
    const std::pair<const char*, const char*> casters[] = {{"keyroom", "Key"},
                                                           {"keyroom", "Table"},
                                                           {"keyroom", "Columns"},
                                                           {"keyroom", "Braziers"},
                                                           {"hall", "Column1"}};
    for (const auto& [which, name] : casters) {
        const scene::Mesh* mesh = MeshOf(which, name);
        ASSERT_NE(mesh, nullptr) << name;
        EXPECT_EQ(OpenFaces(*mesh), 0) << name;
    }
}

TEST_F(ShowScenes, TheWaterLiesOnTheMirrorPlane) {
    for (const scene::Vertex& vertex : MeshOf("keyroom", content::kWaterSurface)->vertices) {
        EXPECT_EQ(vertex.position.y, content::kWaterLevel);
        EXPECT_NEAR(vertex.normal.y, 1.0f, 1e-6f);
    }
    for (const scene::Vertex& vertex : MeshOf("keyroom", content::kWaterFilm)->vertices) {
        EXPECT_GT(vertex.position.y, content::kWaterLevel);
        EXPECT_LT(vertex.position.y, 16.0f);
    }
}

// Each scene leaves room in a part's 20000 triangles for its shadows and particles: the
// key room is drawn twice (mirrored and real).
TEST_F(ShowScenes, EachSceneStaysWithinItsTriangleBudget) {
    const std::pair<const char*, int> budgets[] = {
        {"main", 16000}, {"hall", 16000}, {"wood", 20000}, {"keyroom", 7000}};
    for (const auto& [which, budget] : budgets) {
        int triangles = 0;
        for (const scene::Mesh& mesh : (*read_)[which].meshes) {
            triangles += static_cast<int>(mesh.faces.size());
        }
        EXPECT_LE(triangles, budget) << which;
    }
}

}  // namespace
