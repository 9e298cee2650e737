// A skinned mesh's skeleton as the engine animates it: every bone a rigid placement per
// frame, the first animation sampled at its key times, each vertex following the bone
// with its largest weight.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/m3convert/model.h"

struct aiMesh;
struct aiScene;

namespace tools::m3convert {

// Positions are scaled by `scale`. Empty (with a warning) when the scene has no animation.
std::optional<Skin> ImportSkin(const aiScene& source, const aiMesh& mesh, float scale,
                               std::vector<std::string>& warnings);

}  // namespace tools::m3convert
