// The screen font as the engine draws it (widths file, atlas file and the glyph quads'
// texture coordinates), and the code page its glyphs follow.
#include <gtest/gtest.h>

#include "platform/code_page_1251.h"
#include "render/tga.h"
#include "support/temp_folder.h"
#include "tools/data/content_folder.h"
#include "tools/data/font/font_atlas.h"

using namespace tools::data;
using platform::Cp1251ToUnicode;

namespace {

// The texel that the engine's glyph quad puts at pixel (x, y) from the pen position,
// y counted down from the top of the line: the quad spans t from 1 - cy at its top to
// 1 - cy - 1/16 at its bottom, and s from cx + 2 texels at x = 2.
uint8_t DrawnTexel(const render::TgaImage& atlas, unsigned char glyph, int x, int y, int channel) {
    int column = (glyph % 16) * 16 + x;
    float t = 1.0f - (glyph / 16) * 0.0625f - (y + 0.5f) / 256.0f;
    int row = static_cast<int>(t * 256.0f);  // texture row = row in file
    return atlas.pixels[(size_t(row) * 256 + column) * 4 + channel];
}

// The font as the content tool writes it, the atlas read with the engine's TGA reader.
TEST(FontFiles, InkStaysInsideTheDrawnPartOfEachCell) {
    testing_support::TempFolder folder;
    ContentFolder content(".", nullptr);
    WriteFont(content);
    render::TgaImage atlas;
    ASSERT_TRUE(render::ReadTga(kFontAtlasName, atlas));
    ASSERT_EQ(atlas.pixels.size(), 256u * 256 * 4);  // a bottom-up 256 square with alpha
    const std::string widths = folder.Read("Data/textures/font/AntiAlias/LC_B.wt");
    ASSERT_EQ(widths.size(), 256u);
    for (int glyph = 0; glyph < 256; ++glyph) {
        int width = widths[size_t(glyph)] - '0';
        EXPECT_TRUE(width >= 0 && width <= 14) << glyph;  // the cell's 16 texels
        int lit = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                bool drawn = x >= 2 && x < width + 2;
                uint8_t alpha = DrawnTexel(atlas, glyph, x, y, 3);
                EXPECT_TRUE(drawn || alpha == 0) << glyph << " at " << x << "," << y;
                // Covered texels are opaque so an alpha test never eats the text.
                EXPECT_TRUE(alpha == 0 || alpha == 255);
                lit += DrawnTexel(atlas, glyph, x, y, 0) > 0;
            }
        }
        bool printable = Cp1251ToUnicode(glyph) > 0x20 && Cp1251ToUnicode(glyph) != 0xA0;
        if (printable && glyph != 0xAD) {  // the soft hyphen may be blank
            EXPECT_GT(lit, 0) << "glyph " << glyph << " is blank";
        }
    }
}

TEST(CodePage1251, MapsAsciiCyrillicAndTheGaps) {
    const std::pair<uint8_t, uint32_t> cases[] = {{'A', 0x41},    {0xC0, 0x0410}, {0xFF, 0x044F},
                                                  {0xA8, 0x0401}, {0x98, 0},      {0x0A, 0}};
    for (const auto& [byte, unicode] : cases) {
        EXPECT_EQ(Cp1251ToUnicode(byte), unicode) << int(byte);
    }
}

}  // namespace
