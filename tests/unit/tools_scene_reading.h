// Test helpers: meshes that the content tools build, read back through the engine's own
// mesh reader, and the checks that shadow volumes and drawing rely on.
#pragma once

#include <gtest/gtest.h>

#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "scene/word_reader.h"
#include "support/temp_folder.h"
#include "tools/data/scene_writer.h"

namespace tools_scene_testing {

// Appends the scene's mesh file, as the engine reads it with the scene's own placement and
// no material file, to `scene`. `folder` must be the current temporary folder.
inline void ReadBack(const tools::data::SceneDraft& draft,
                     const testing_support::TempFolder& folder, scene::Scene& scene) {
    folder.Write("readback.m3f", tools::data::MeshFileText(draft));
    scene::WordReader in;
    EXPECT_TRUE(in.Open("readback.m3f"));
    scene::ReadMeshFile(in, draft.placement, scene::MaterialRemap(), scene);
}

// One object with no material, at the world origin.
inline scene::Mesh ReadBackMesh(const tools::data::MeshData& mesh,
                                const testing_support::TempFolder& folder) {
    tools::data::SceneDraft draft;
    draft.AddObject("Shape", 0, mesh);
    scene::Scene scene;
    ReadBack(draft, folder, scene);
    EXPECT_EQ(scene.meshes.size(), 1u);
    return scene.meshes.empty() ? scene::Mesh() : scene.meshes[0];
}

// Faces with an edge that no other face of the mesh shares.
inline int OpenFaces(const scene::Mesh& mesh) {
    int open = 0;
    for (const scene::Face& face : mesh.faces) {
        open += face.neighbour[0] < 0 || face.neighbour[1] < 0 || face.neighbour[2] < 0;
    }
    return open;
}

inline scene::Vector Centroid(const scene::Mesh& mesh, const scene::Face& face) {
    scene::Vector sum(0, 0, 0);
    for (int32_t index : face.index) {
        sum = sum + mesh.vertices[static_cast<size_t>(index)].position;
    }
    return sum * (1.0f / 3.0f);
}

}  // namespace tools_scene_testing
