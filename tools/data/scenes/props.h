// Pieces that several scenes share: torch stands, columns, solid boxes, domes, polish.
#pragma once

#include <array>

#include "tools/data/geometry/mesh_data.h"
#include "tools/data/geometry/scene_writer.h"

namespace tools::data {

// A post and an iron bowl from `baseY` up to just under a fire at `fire`.
MeshData TorchStand(const Vector& fire, float baseY, int segments);
// A round column from `baseY`, `height` tall, with a base and a capital; closed.
MeshData Column(const Vector& base, float height, float radius, int segments);
// A box with shared corners, so that it is closed and casts whole shadow volumes.
MeshData SolidBox(const Vector& centre, const Vector& halfSize, float textureSize);
// The inside of a dome from its top down to `rim` below its centre, seen from within.
MeshData SkyDome(const Vector& centre, float radius, float rim, int segments);

// The dusk sky on the inside of a dome, lit from within so that no light changes it.
MaterialDraft SkyMaterial();

// A polished surface with a full highlight, lit from within by `glow` (0..1), with one of
// the shared textures as its reflection, or none for an empty name.
MaterialDraft Polished(const char* name, std::array<int, 3> color, float glow,
                       const char* reflection);

}  // namespace tools::data
