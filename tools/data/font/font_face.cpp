// FreeType access: opening a DejaVu font, rendering anti-aliased glyphs, laying out a line.
#include "tools/data/font/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <stdexcept>

#include "tools/common/prerequisites.h"

namespace tools::data {

struct FontFace::Handles {
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~Handles() {
        if (face) {
            FT_Done_Face(face);
        }
        if (library) {
            FT_Done_FreeType(library);
        }
    }
};

FontFace::FontFace(const std::string& fileName, int pixelSize)
    : handles_(std::make_unique<Handles>()) {
    RequireFont(fileName);
    std::string path = DejaVuFontPath(fileName);
    if (FT_Init_FreeType(&handles_->library) != 0 ||
        FT_New_Face(handles_->library, path.c_str(), 0, &handles_->face) != 0 ||
        FT_Set_Pixel_Sizes(handles_->face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        throw std::runtime_error("FreeType cannot open " + path);
    }
}

FontFace::~FontFace() = default;

bool FontFace::HasGlyph(uint32_t codepoint) const {
    return FT_Get_Char_Index(handles_->face, codepoint) != 0;
}

GlyphBitmap FontFace::Render(uint32_t codepoint) const {
    FT_Face face = handles_->face;
    if (FT_Load_Char(face, codepoint, FT_LOAD_RENDER) != 0) {
        throw std::runtime_error("FreeType cannot render U+" + std::to_string(codepoint));
    }
    const FT_GlyphSlot slot = face->glyph;
    GlyphBitmap glyph;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>(std::lround(slot->advance.x / 64.0));
    glyph.width = static_cast<int>(slot->bitmap.width);
    glyph.height = static_cast<int>(slot->bitmap.rows);
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        const uint8_t* row = slot->bitmap.buffer + static_cast<long>(y) * slot->bitmap.pitch;
        std::copy(row, row + glyph.width,
                  glyph.coverage.begin() + static_cast<long>(y) * glyph.width);
    }
    return glyph;
}

int FontFace::ascender() const {
    return static_cast<int>(std::ceil(handles_->face->size->metrics.ascender / 64.0));
}

int FontFace::descender() const {
    return static_cast<int>(std::ceil(-handles_->face->size->metrics.descender / 64.0));
}

int FontFace::TextWidth(const std::string& text) const {
    int width = 0;
    for (unsigned char c : text) {
        width += Render(c).advance;
    }
    return width;
}

void FontFace::Draw(Mask& mask, const std::string& text, int x, int baseline) const {
    for (unsigned char c : text) {
        GlyphBitmap glyph = Render(c);
        for (int gy = 0; gy < glyph.height; ++gy) {
            for (int gx = 0; gx < glyph.width; ++gx) {
                float coverage =
                    glyph.coverage[static_cast<size_t>(gy) * glyph.width + gx] / 255.0f;
                mask.Cover(x + glyph.left + gx, baseline - glyph.top + gy, coverage);
            }
        }
        x += glyph.advance;
    }
}

}  // namespace tools::data
