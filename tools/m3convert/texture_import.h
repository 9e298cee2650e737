// Textures a model refers to, external files or embedded in the model, decoded into
// pictures held top row first: PNG, JPEG and TGA.
#pragma once

#include <optional>
#include <string>

#include "tools/common/image.h"

struct aiScene;

namespace tools::m3convert {

// `reference` is the model's own name for the texture: a path relative to `folder`, an
// absolute path, or an embedded texture ("*0"). Empty when no such file exists; throws
// ConvertError naming the texture when its bytes are not a picture these decoders read.
std::optional<tools::data::Image> ImportTexture(const aiScene& source, const std::string& folder,
                                                const std::string& reference);

}  // namespace tools::m3convert
