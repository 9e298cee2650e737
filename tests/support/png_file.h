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

}  // namespace testing_support
