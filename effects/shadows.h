// Stencil shadows: depth-pass shadow volumes extruded from the silhouettes of lit faces.
#pragma once

#include <cstdint>

#include "scene/scene.h"

namespace effects {

// The side quads of the volumes of every visible object for light `lightIndex`, in one
// GL_QUADS primitive, in the meshes' own coordinates. Relies on the faces' `facing`
// flags of this frame. False, with a log line, when the scene has no such light.
bool DrawShadowVolumes(const scene::Scene& scene, int32_t lightIndex);

// Darkens, by a black quad of alpha 0.7, every pixel inside a volume of the scene's first
// light; does nothing without lights. Leaves texturing and culling off, blending on and
// the stencil buffer cleared.
void DrawShadows(const scene::Scene& scene);

}  // namespace effects
