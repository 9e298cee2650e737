// The scene writer: its text, read back by the engine's readers, lands where it was built.
#include <gtest/gtest.h>

#include "scene/drawing.h"
#include "scene/material_file.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "support/process_test.h"
#include "tools/data/content_folder.h"
#include "tools/data/geometry/mesh_shapes.h"
#include "tools/data/geometry/scene_writer.h"

using namespace tools::data;
using scene::Vector;

namespace {

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
    // Seven significant digits in the file keep a hundredfold scale within a thousandth.
    for (size_t i = 0; i < built.vertices.size(); ++i) {
        EXPECT_NEAR((mesh.vertices[i].position - built.vertices[i].position).Length(), 0, 1e-3f);
    }
    ASSERT_EQ(mesh.faces.size(), built.faces.size());
    for (size_t i = 0; i < built.faces.size(); ++i) {
        // The corners come back in the order a, c, b, each with its texture coordinates.
        EXPECT_EQ(mesh.faces[i].index[1], built.faces[i].index[2]);
        EXPECT_FLOAT_EQ(mesh.faces[i].u[1], built.faces[i].u[2]);
    }
}

}  // namespace
