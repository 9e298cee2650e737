// The mesh file (base path + ".m3f"): meshes and their scene objects.
#pragma once

#include "scene/material_file.h"
#include "scene/vector.h"
#include "scene/word_reader.h"

namespace scene {

class Scene;

// How file positions become engine positions.
struct Placement {
    float scale = 1.0f;
    Vector offset{0, 0, 0};
};

// Reads the opened mesh file into `scene`: one mesh and one object per block, with
// face normals and edge neighbours. The display lists are not built here.
void ReadMeshFile(WordReader& in, const Placement& placement, const MaterialRemap& remap,
                  Scene& scene);

}  // namespace scene
