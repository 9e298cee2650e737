// Screen text read back from a real context: glyph cells, pen advances and
// placement.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "render/font.h"
#include "render/overlay.h"
#include "support/gl_context.h"
#include "support/test_images.h"

namespace {

using render::PrintText;
using testing_support::Rgba8;

// Glyph 0 red, 1 green, 17 blue; every other cell transparent.
Rgba8 MarkedCells(int glyph) {
    return {uint8_t(glyph == 0 ? 255 : 0), uint8_t(glyph == 1 ? 255 : 0),
            uint8_t(glyph == 17 ? 255 : 0),
            uint8_t(glyph == 0 || glyph == 1 || glyph == 17 ? 255 : 0)};
}

class FontGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        // Glyph 0 is 8 wide, glyph 1 is 4, glyph 2 is 0, the rest 5.
        folder.Write("Data/LC_B.wt", "840" + std::string(253, '5'));
        folder.Write("Data/LC_B.tga",
                     testing_support::RgbaTga(256, 256, testing_support::FontAtlas(MarkedCells)));
        font.SetUp("Data\\LC_B");
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        render::PushOverlayProjection();
    }

    // Pixels by overlay coordinates, (0, 0) at the top left, that must be the
    // colour `r`, `g`, `b`.
    void ExpectPixels(int r, int g, int b, const std::vector<std::pair<int, int>>& pixels) const {
        for (auto [x, y] : pixels) {
            Rgba p = PixelAt(x, height - 1 - y);
            EXPECT_TRUE(p.r == r && p.g == g && p.b == b) << x << "," << y;
        }
    }

    render::Font font;
};

TEST_F(FontGl, GlyphsSitTwoUnitsInAndAdvanceByTheirWidths) {
    EXPECT_NE(Log().find("Loaded: Data\\LC_B.tga\n"), std::string::npos);
    PrintText(font, 100, 100, std::string("\x00\x01", 2));
    // A zero-width glyph draws nothing and leaves the pen where it was.
    PrintText(font, 100, 200, std::string("\x02\x01", 2));
    PrintText(font, 300, 300, "\x11");  // column 1, row 1 of the atlas
    PrintText(font, 5, 5, std::string("\x00", 1));
    // Glyph 0 covers x 102 to 110, glyph 1 (pen at 108) x 110 to 114; y 100 to
    // 116.
    ExpectPixels(255, 0, 0, {{102, 108}, {109, 108}, {105, 100}, {9, 5}});
    ExpectPixels(0, 255, 0, {{110, 108}, {113, 108}, {102, 208}, {105, 208}});
    ExpectPixels(0, 0, 255, {{304, 308}});
    ExpectPixels(0, 0, 0,
                 {{101, 108}, {114, 108}, {105, 99}, {105, 116}, {101, 208}, {106, 208}, {9, 4}});
}

}  // namespace
