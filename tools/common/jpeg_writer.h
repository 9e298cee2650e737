// JPEG encoding through libjpeg-turbo; rows go in top row first, as JPEG stores them.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/common/image.h"

namespace tools::data {

// Baseline RGB JPEG (alpha is dropped) at `quality` 1..100.
std::vector<uint8_t> EncodeJpeg(const Image& image, int quality);

}  // namespace tools::data
