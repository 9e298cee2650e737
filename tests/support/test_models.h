// Models written the way modelling tools leave them: a unit box in an OBJ file with its
// material file and a red and blue checker texture in PNG; COLLADA triangles with the
// transparency settings of their materials.
#pragma once

#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace testing_support {

// box.obj ("o Box", material "Painted box", Kd 0.9 0.8 0.7), box.mtl and checker.png.
void WriteTexturedBox(const TempFolder& folder);

// `name` with one red triangle per entry of `transparencies`, each in a material of its own
// ("M0", "M1", ...) whose phong effect holds that entry: its <transparent> and <transparency>.
void WriteColladaTriangles(const TempFolder& folder, const std::string& name,
                           const std::vector<std::string>& transparencies);

}  // namespace testing_support
