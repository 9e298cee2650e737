// Bitmap font: a 16 × 16 glyph atlas, glyph widths and one display list per glyph.
#pragma once

#include "render/gl.h"

#include <cstdint>
#include <string>

#include "render/texture.h"

namespace render {

class Font {
public:
    virtual ~Font() = default;

    // Base path P: widths from P + ".wt", display lists, then the atlas P + ".tga".
    void SetUp(const std::string& basePath);
    // 256 characters, each giving its glyph's width as its code minus '0'. Glyphs that
    // a missing or short file does not reach get width 0.
    void LoadWidths(const std::string& fileName);
    // One list per glyph: its quad, then the pen moved on by its width.
    void BuildLists();

    // Text lines are 16 × sizeFactor units apart.
    float sizeFactor = 1.0f;
    // Glyphs advance downward instead of to the right.
    bool vertical = false;
    Texture texture;
    int32_t widths[256] = {};
    GLuint listBase = 0;
};

// Draws `text` with its first glyph's origin at (x, y), in the caller's projection and
// colour; one list call for the whole string.
void PrintText(const Font& font, float x, float y, const std::string& text);

}  // namespace render
