// JPEG decoding through libjpeg-turbo: 8-bit RGB rows in file order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Larger sides are refused before the pixels are allocated.
constexpr int kMaxJpegSide = 16384;

struct JpegImage {
    int width = 0;
    int height = 0;
    // Red, green, blue per pixel, the file's first row first.
    std::vector<uint8_t> rgb;
};

// Decodes `bytes`. On failure `error` says why and `image` is left empty. Data that libjpeg
// decodes with a warning (stray bytes, a cut-off scan that it fills with grey) is kept.
bool DecodeJpeg(const std::vector<uint8_t>& bytes, JpegImage& image, std::string& error);

}  // namespace platform
