// Procedural surface pictures for the scenes' materials; each is seamless when tiled.
#pragma once

#include "tools/common/image.h"

namespace tools::data {

Image PaintStone(int size);   // grey flagstones with dark joints
Image PaintBark(int size);    // brown bark with vertical grooves
Image PaintLeaves(int size);  // green leaves on a transparent ground (alpha 0 or 255)
Image PaintGold(int size);    // warm gold with bright streaks, for reflective metal
Image PaintWater(int size);   // blue-green ripples
Image PaintGround(int size);  // earth with patches of grass
Image PaintSky(int size);     // dusk sky: indigo above, a warm glow near the horizon, clouds
Image PaintMarble(int size);  // pale marble with grey veins
Image PaintTiles(int size);   // a floor of 4 x 4 worn tiles

}  // namespace tools::data
