// The animation files of a skinned model: base path + ".m3vba0" (the rest pose),
// ".m3vba" (the clip) and ".m3vw" (one bone per vertex).
#pragma once

#include <string>

#include "tools/data/content_folder.h"
#include "tools/m3convert/model.h"

namespace tools::m3convert {

// Frames `first` to `first + count - 1` of the skin, numbered from `first`.
std::string KeyFrameText(const Skin& skin, size_t first, size_t count);
std::string WeightText(const Skin& skin);
void WriteSkinFiles(tools::data::ContentFolder& folder, const std::string& basePath,
                    const Skin& skin);

// The engine's animation clock runs at 10000 units a second: the animationLength that
// plays the clip at the source's speed (its frames shared out evenly, looping).
int64_t SourceSpeedLength(const Skin& skin);

}  // namespace tools::m3convert
