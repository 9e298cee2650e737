// Truevision TGA encoding: true colour, 24 or 32 bits, raw or run-length, either row order.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/common/image.h"

namespace tools::data {

enum class TgaOrigin {
    kBottomLeft,  // the bottom row comes first in the file (the usual TGA)
    kTopLeft,     // the top row comes first in the file
};

struct TgaFormat {
    int bitsPerPixel = 24;  // 24 drops alpha; 32 keeps it
    bool runLength = false;
    TgaOrigin origin = TgaOrigin::kBottomLeft;
};

constexpr int kTgaHeaderSize = 18;

std::vector<uint8_t> EncodeTga(const Image& image, const TgaFormat& format);

}  // namespace tools::data
