// One DejaVu typeface at one pixel size, rendered through FreeType into coverage masks.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "tools/data/font/mask.h"

namespace tools::data {

struct GlyphBitmap {
    int left = 0;     // pixels from the pen position to the first column
    int top = 0;      // pixels from the baseline up to the first row
    int advance = 0;  // whole pixels the pen moves
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;  // width x height, top row first
};

class FontFace {
public:
    // `fileName` is a file of the DejaVu folder, e.g. "DejaVuSans-Bold.ttf"; throws when
    // it is missing or unreadable.
    FontFace(const std::string& fileName, int pixelSize);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    bool HasGlyph(uint32_t codepoint) const;
    GlyphBitmap Render(uint32_t codepoint) const;
    // Pixels from the baseline to the top of the tallest glyphs and down to the lowest.
    int ascender() const;
    int descender() const;

    // Width of a line of Latin-1 text, and drawing it with its pen starting at
    // (x, baseline); coverage outside the mask is dropped.
    int TextWidth(const std::string& text) const;
    void Draw(Mask& mask, const std::string& text, int x, int baseline) const;

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};

}  // namespace tools::data
