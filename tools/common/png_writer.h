// PNG encoding through libpng, for pictures meant for people rather than the engine.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/common/image.h"

namespace tools::data {

// 8-bit RGB PNG (alpha is dropped), top row first, with no time stamp.
std::vector<uint8_t> EncodePng(const Image& image);

}  // namespace tools::data
