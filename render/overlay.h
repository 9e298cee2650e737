// The two-dimensional drawing over every frame: the 640 × 480 projection with y downward,
// and the unit square that images are drawn with.
#pragma once

#include <cstdint>

#include "render/texture.h"

namespace render {

void BuildUnitQuad();
// Draws `image` at its size in pixels with texture row 0 at the top, its top-left
// corner at (x, y) of the current projection.
void DrawImage(int32_t x, int32_t y, const Texture& image);
// Saves both matrices and sets the 640 × 480 projection with y downward.
void PushOverlayProjection();
// Restores the matrices that PushOverlayProjection saved.
void PopOverlayProjection();

}  // namespace render
