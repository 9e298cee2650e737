// Reading PNG files through libpng's simplified interface.
#include "support/png_file.h"

#include <png.h>

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

}  // namespace testing_support
