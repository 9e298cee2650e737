// PNG files read back as RGBA pixels, for comparing rendered frames.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;  // RGBA, top row first
};

// An empty image when the file is missing or not a PNG.
RgbaImage ReadPng(const std::string& path);
// The capture tool's frame number `index` in `folder`.
RgbaImage ReadFrame(const std::string& folder, int index);

// The share of pixels with a colour channel more than `tolerance` apart; 1 when the
// images differ in size or are empty.
double DifferingShare(const RgbaImage& a, const RgbaImage& b, int tolerance);

}  // namespace testing_support
