// Any model file assimp reads, turned into the engine's scene: triangles in engine
// coordinates (the source's up stays up, its handedness is kept), one object per source
// mesh named after its node, the materials and textures they use, and the skeleton
// animation of a skinned mesh.
#pragma once

#include <string>

#include "tools/m3convert/model.h"

namespace tools::m3convert {

// `scale` multiplies every position; texture files are named `textureStem` + "_N.tga".
// Throws ConvertError when the file cannot be read, holds no triangles or places something
// at a non-finite position.
Model ImportModel(const std::string& path, float scale, const std::string& textureStem);

// A name as one word for the mesh and animation files: blanks become '_'; never empty.
std::string OneWord(const std::string& name, const std::string& fallback);

// Whether x, y and z are all numbers, neither infinite nor undefined.
bool Finite(const scene::Vector& v);

}  // namespace tools::m3convert
