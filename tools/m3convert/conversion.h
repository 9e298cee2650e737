// One conversion from start to end: the model read, its scene, texture and animation
// files written under the base path, and what the user should hear about it.
#pragma once

#include <string>

#include "tools/m3convert/model.h"

namespace tools::m3convert {

struct ConvertRequest {
    std::string input;
    std::string basePath;  // files become basePath + ".m3m", ".m3f", ...
    float scale = 1.0f;
};

// Writes the files and returns the model they hold. Throws ConvertError.
Model ConvertModel(const ConvertRequest& request);

// Lines for the user: the objects, materials, textures and animation written.
std::string Summary(const ConvertRequest& request, const Model& model);

}  // namespace tools::m3convert
