// Renders DejaVu Sans Bold into the engine's 16 x 16 glyph grid.
#include "tools/data/font/font_atlas.h"

#include <algorithm>

#include "platform/code_page_1251.h"
#include "tools/common/prerequisites.h"
#include "tools/data/font/font_face.h"
#include "tools/data/textures/image_file.h"

namespace tools::data {
namespace {

constexpr int kPixelSize = 12;

// Copies one glyph into its cell, clipped to the cell; returns its width entry.
int PlaceGlyph(const FontFace& face, int index, Mask& mask) {
    uint32_t codepoint = platform::Cp1251ToUnicode(static_cast<uint8_t>(index));
    if (codepoint == 0 || !face.HasGlyph(codepoint)) {
        return 0;
    }
    GlyphBitmap glyph = face.Render(codepoint);
    int cellX = (index % kFontCellsPerRow) * kFontCell;
    int cellY = (index / kFontCellsPerRow) * kFontCell;
    // Ink left of the pen would fall outside the drawn quad, so it starts at the inset.
    int inkX = kFontGlyphInset + std::max(glyph.left, 0);
    int inkY = kFontBaseline - glyph.top;
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            int cx = inkX + x;
            int cy = inkY + y;
            if (cx < kFontCell && cy >= 0 && cy < kFontCell) {
                float coverage = glyph.coverage[static_cast<size_t>(y) * glyph.width + x] / 255.0f;
                mask.Cover(cellX + cx, cellY + cy, coverage);
            }
        }
    }
    // The engine draws only `width` columns from the inset, so a glyph whose ink runs past
    // its advance gets the wider width, at the cost of a pixel of extra spacing.
    int inkRight = std::max(glyph.left, 0) + glyph.width;
    return std::clamp(std::max(glyph.advance, inkRight), 0, kFontMaxWidth);
}

}  // namespace

FontAtlas BuildFontAtlas() {
    FontFace face(kSansBold, kPixelSize);
    Mask mask(kFontAtlasSize, kFontAtlasSize);
    FontAtlas font{Image(kFontAtlasSize, kFontAtlasSize, Rgba{0, 0, 0, 0}), std::string()};
    for (int i = 0; i < kFontCell * kFontCellsPerRow; ++i) {
        font.widths.push_back(static_cast<char>('0' + PlaceGlyph(face, i, mask)));
    }
    for (int y = 0; y < kFontAtlasSize; ++y) {
        for (int x = 0; x < kFontAtlasSize; ++x) {
            float coverage = mask.at(x, y);
            uint8_t alpha = coverage > 0.0f ? 255 : 0;
            font.atlas.at(x, y) = ToRgba(Colour{coverage, coverage, coverage, alpha / 255.0f});
        }
    }
    return font;
}

void WriteFont(ContentFolder& folder) {
    FontAtlas font = BuildFontAtlas();
    WriteImage(folder, kFontAtlasName, font.atlas, TgaFormat{32, true, TgaOrigin::kBottomLeft});
    folder.Write(kFontWidthsName, std::vector<uint8_t>(font.widths.begin(), font.widths.end()));
}

}  // namespace tools::data
