// The two-dimensional pass over every frame (title image, statistics, caption), the
// unit square that images are drawn with, and the loading screen.
#pragma once

#include <GL/gl.h>

#include <cstdint>

#include "render/texture.h"

namespace render {

// Display list of the unit square, texture coordinates equal to positions.
extern GLuint UnitQuadList;

void BuildUnitQuad();
// Draws `image` at its size in pixels with texture row 0 at the top, its top-left
// corner at (x, y) of the current projection.
void DrawImage(int32_t x, int32_t y, const Texture& image);
// The overlay in a 640 × 480 projection with y downward; leaves fog and lighting on.
void DrawOverlay();
// One frame of the overlay alone (the loading image), then the title sequence moves on.
void ShowLoadingScreen();

}  // namespace render
