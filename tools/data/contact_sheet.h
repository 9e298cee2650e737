// One picture of the generated images side by side, for people to look over.
#pragma once

#include "tools/common/image.h"

namespace tools::data {

// The title plates on the left; on the right the font atlas at twice its size, the
// textures, the fire particle and the console background as the screen shows it.
// Transparent pixels are shown over a grey checkerboard.
Image BuildContactSheet();

}  // namespace tools::data
