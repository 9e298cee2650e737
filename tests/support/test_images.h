// Image files that tests write themselves: TGA headers and bodies, and font atlases.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

struct TgaHeader {
    uint8_t type = 2;
    uint8_t depth = 24;
    uint16_t width = 2;
    uint16_t height = 2;
    uint8_t colorMapType = 0;
    uint16_t colorMapOrigin = 0;
    uint16_t colorMapLength = 0;
    uint8_t colorMapDepth = 0;
    uint8_t descriptor = 0;
    std::string id;
};

// The 18-byte header, the image ID, then `body` as it is.
std::string TgaFile(const TgaHeader& header, const std::string& body);

// A raw 32-bit TGA of red-green-blue-alpha pixels, the first row of `rgba` stored first.
std::string RgbaTga(int width, int height, const std::vector<uint8_t>& rgba);

struct Rgba8 {
    uint8_t r, g, b, a;
};

// Pixels of a 256 × 256 glyph atlas whose cell of glyph i is filled with cell(i), stored
// bottom-up as the font expects: glyph row 0 is the last 16 rows of the file.
std::vector<uint8_t> FontAtlas(const std::function<Rgba8(int glyph)>& cell);

// The TGA file of an atlas whose every cell is solid opaque white.
std::string SolidWhiteFontTga();

}  // namespace testing_support
