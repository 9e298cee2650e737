// The scene layer's process-wide state: the material table and the triangle batches
// that every scene draws through.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/material.h"
#include "scene/triangle_batches.h"

namespace scene {

struct Drawing {
    // Every material of every scene; records are only appended, so an index stays valid.
    std::vector<Material> MaterialTable;
    // The plain white material used where a mesh has none; not itself in the table.
    Material DefaultMaterial = MakeDefaultMaterial();
    TriangleBatches triangleBatches;
    // The MaterialTable index last applied by the batch flush; -1 for none.
    int32_t lastMaterial = -1;
};

extern Drawing drawing;

}  // namespace scene
