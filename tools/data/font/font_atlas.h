// The screen font: a 256 x 256 atlas of 16 x 16 cells and a file of 256 glyph widths.
#pragma once

#include <string>

#include "tools/common/image.h"
#include "tools/data/content_folder.h"

namespace tools::data {

inline constexpr const char* kFontAtlasName = "Data\\textures\\font\\AntiAlias\\LC_B.tga";
inline constexpr const char* kFontWidthsName = "Data\\textures\\font\\AntiAlias\\LC_B.wt";

constexpr int kFontCell = 16;
constexpr int kFontCellsPerRow = 16;
constexpr int kFontAtlasSize = kFontCell * kFontCellsPerRow;
// The engine draws a glyph's texels from column 2 of its cell to column 2 + width.
constexpr int kFontGlyphInset = 2;
constexpr int kFontMaxWidth = kFontCell - kFontGlyphInset;
// Row of the cell, from its top, on which the glyphs stand.
constexpr int kFontBaseline = 12;

struct FontAtlas {
    // Byte i (a Windows-1251 character) in column i % 16 and row i / 16, counted from the
    // image's top. White anti-aliased glyphs in the colour channels; alpha is 255 on every
    // covered pixel and 0 elsewhere, so text passes an alpha test yet leaves the space
    // around it untouched under alpha blending.
    Image atlas;
    // 256 characters, '0' + the width of glyph i in pixels: its advance, or its ink's
    // extent where that is wider.
    std::string widths;
};

FontAtlas BuildFontAtlas();

// The atlas goes out as an ordinary bottom-up TGA: the engine keeps file rows in order and
// takes the first cell row from the top of the texture (t = 1), which is the last row of
// the file, i.e. the picture's top row.
void WriteFont(ContentFolder& folder);

}  // namespace tools::data
