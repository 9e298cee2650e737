// Lays out the generated pictures on one sheet.
#include "tools/data/contact_sheet.h"

#include <string>

#include "tools/data/font/font_atlas.h"
#include "tools/data/textures/effect_images.h"
#include "tools/data/textures/texture_set.h"
#include "tools/data/textures/title_plates.h"

namespace tools::data {
namespace {

constexpr int kGap = 8;
constexpr int kThumb = 120;
constexpr int kPlateColumn = 512;
constexpr int kSheetWidth = kGap * 3 + kPlateColumn + kFontAtlasSize * 2;
constexpr int kSheetHeight = 1000;

// Nearest-neighbour resampling to `width` x `height`, blended over a checkerboard.
Image Thumbnail(const Image& image, int width, int height) {
    Image result(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba& p = image.at(x * image.width() / width, y * image.height() / height);
            int check = ((x / 8 + y / 8) % 2) ? 90 : 60;
            auto over = [&](uint8_t c) {
                return static_cast<uint8_t>((c * p.a + check * (255 - p.a)) / 255);
            };
            result.at(x, y) = Rgba{over(p.r), over(p.g), over(p.b), 255};
        }
    }
    return result;
}

// Text set with the atlas and widths the way the engine's glyph quads draw it: columns
// 2 .. 2 + width of each cell, the pen moving on by the width.
Image SetWithFont(const FontAtlas& font, const std::string& text, int width) {
    Image line(width, kFontCell);
    int pen = 0;
    for (unsigned char c : text) {
        int glyphWidth = font.widths[c] - '0';
        for (int y = 0; y < kFontCell; ++y) {
            for (int x = kFontGlyphInset; x < kFontGlyphInset + glyphWidth && pen + x < width;
                 ++x) {
                Rgba texel = font.atlas.at((c % kFontCellsPerRow) * kFontCell + x,
                                           (c / kFontCellsPerRow) * kFontCell + y);
                line.at(pen + x, y) = Rgba{texel.r, texel.g, texel.b, 255};
            }
        }
        pen += glyphWidth;
    }
    return line;
}

}  // namespace

Image BuildContactSheet() {
    Image sheet(kSheetWidth, kSheetHeight, Rgba{24, 24, 28, 255});
    int y = kGap;
    for (const TitlePlate& plate : TitlePlates()) {
        sheet.Paste(PaintTitlePlate(plate), kGap, y);
        y += plate.height + kGap;
    }
    int right = kGap * 2 + kPlateColumn;
    FontAtlas font = BuildFontAtlas();
    sheet.Paste(Thumbnail(font.atlas, kFontAtlasSize * 2, kFontAtlasSize * 2), right, kGap);
    for (const char* text : {"What we see while sleeping?", "FPS: 75  Tri./Sec.: 1503020"}) {
        Image line = SetWithFont(font, text, kPlateColumn / 2);
        sheet.Paste(Thumbnail(line, kPlateColumn, kFontCell * 2), kGap, y);
        y += kFontCell * 2 + kGap;
    }

    std::vector<Image> tiles;
    for (const TextureFile& file : TextureFiles()) {
        tiles.push_back(Thumbnail(file.paint(file.size), kThumb, kThumb));
    }
    tiles.push_back(Thumbnail(PaintFireParticle(64), kThumb, kThumb));
    tiles.push_back(Thumbnail(PaintConsoleBackground(512), kThumb, kThumb));
    int top = kGap * 2 + kFontAtlasSize * 2;
    int perRow = (kFontAtlasSize * 2 + kGap) / (kThumb + kGap);
    for (size_t i = 0; i < tiles.size(); ++i) {
        int column = static_cast<int>(i) % perRow;
        int row = static_cast<int>(i) / perRow;
        sheet.Paste(tiles[i], right + column * (kThumb + kGap), top + row * (kThumb + kGap));
    }
    return sheet;
}

}  // namespace tools::data
