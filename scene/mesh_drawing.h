// Material state and static mesh drawing: display lists compiled once, drawn per object.
#pragma once

#include "scene/material.h"
#include "scene/mesh.h"

namespace scene {

// Alpha function, texture units and the fixed-function colours of `material`. The
// diffuse alpha is set from the opacity first.
void ApplyMaterial(Material& material);
// Compiles the mesh's faces into a new display list (no colour: that comes from the
// material at draw time).
void BuildDisplayList(Mesh& mesh);
// Applies the mesh's material (DefaultMaterial when it has none) and calls its list;
// false when it has no list.
bool DrawMesh(Mesh& mesh);

}  // namespace scene
