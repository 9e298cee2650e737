// The fire particle and the console background.
#pragma once

#include "tools/common/image.h"
#include "tools/data/content_folder.h"

namespace tools::data {

inline constexpr const char* kFireParticleName = "Data\\Textures\\part\\fire\\2.tga";
inline constexpr const char* kConsoleBackgroundName = "Data\\Textures\\cons_ss1.jpg";

// A soft orange-yellow blob fading to black at its rim.
Image PaintFireParticle(int size);
// A dim violet haze with the engine's banner in the lower right, as seen on screen.
Image PaintConsoleBackground(int size);
// Left and right swapped.
Image Mirrored(const Image& image);

// The particle is a 24-bit TGA (particles of 24-bit textures blend additively, so black
// adds nothing). The console quad maps s = 0 to the right edge of the screen, so the
// background goes out mirrored and reads the right way round when drawn.
void WriteEffectImages(ContentFolder& folder);

}  // namespace tools::data
