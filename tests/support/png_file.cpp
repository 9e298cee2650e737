// Reading PNG files through libpng's simplified interface.
#include "support/png_file.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>

namespace testing_support {

RgbaImage ReadPng(const std::string& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    RgbaImage image;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        return image;
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        image = {static_cast<int>(png.width), static_cast<int>(png.height), std::move(pixels)};
    }
    png_image_free(&png);
    return image;
}

double DifferingShare(const RgbaImage& a, const RgbaImage& b, int tolerance) {
    if (a.pixels.empty() || a.pixels.size() != b.pixels.size()) {
        return 1.0;
    }
    size_t differing = 0;
    for (size_t i = 0; i < a.pixels.size(); i += 4) {
        for (size_t c = i; c < i + 3; ++c) {
            if (std::abs(a.pixels[c] - b.pixels[c]) > tolerance) {
                ++differing;
                break;
            }
        }
    }
    return static_cast<double>(differing) / static_cast<double>(a.pixels.size() / 4);
}

RgbaImage ReadFrame(const std::string& folder, int index) {
    char name[32];
    std::snprintf(name, sizeof name, "/frame_%06d.png", index);
    return ReadPng(folder + name);
}

}  // namespace testing_support
