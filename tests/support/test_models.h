// A model written the way a modelling tool would leave it: a unit box in an OBJ file with
// its material file and a red and blue checker texture in PNG.
#pragma once

#include "support/temp_folder.h"

namespace testing_support {

// box.obj ("o Box", material "Painted box", Kd 0.9 0.8 0.7), box.mtl and checker.png.
void WriteTexturedBox(const TempFolder& folder);

}  // namespace testing_support
