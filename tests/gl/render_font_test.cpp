// Screen text read back from a real context: glyph cells, pen advances and placement.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "console/log.h"
#include "render/font.h"
#include "render/renderer.h"
#include "support/gl_context.h"
#include "support/test_images.h"

namespace {

using render::PrintText;
using testing_support::Rgba8;

// Glyph 0 red, 1 green, 17 blue; every other cell transparent.
Rgba8 MarkedCells(int glyph) {
    switch (glyph) {
        case 0:
            return {255, 0, 0, 255};
        case 1:
            return {0, 255, 0, 255};
        case 17:
            return {0, 0, 255, 255};
        default:
            return {0, 0, 0, 0};
    }
}

class FontGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("");
        // Glyph 0 is 8 wide, glyph 1 is 4, glyph 2 is 0, the rest 5.
        folder.Write("Data/LC_B.wt", "840" + std::string(253, '5'));
        folder.Write("Data/LC_B.tga",
                     testing_support::RgbaTga(256, 256, testing_support::FontAtlas(MarkedCells)));
        font.SetUp("Data\\LC_B");
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // The overlay's projection: 640 × 480 units, y downward.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0.0, 640.0, 480.0, 0.0, -100.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    }

    // A pixel by overlay coordinates: (0, 0) at the top left.
    Rgba At(int x, int y) const { return PixelAt(x, height - 1 - y); }
    static bool Is(const Rgba& p, int r, int g, int b) { return p.r == r && p.g == g && p.b == b; }

    render::Font font;
};

TEST_F(FontGl, SetUpLoadsWidthsListsAndAtlas) {
    EXPECT_EQ(font.sizeFactor, 3.0f);
    EXPECT_FALSE(font.vertical);
    EXPECT_EQ(font.texture.filterMode, 10);
    EXPECT_TRUE(font.texture.Present());
    EXPECT_TRUE(glIsList(font.listBase) && glIsList(font.listBase + 255));
    EXPECT_NE(Log().find("Loaded: Data\\LC_B.tga\n"), std::string::npos);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST_F(FontGl, GlyphsSitTwoUnitsInAndAdvanceByTheirWidths) {
    PrintText(font, 100, 100, std::string("\x00\x01", 2));
    // Glyph 0 covers x 102 to 110, glyph 1 (pen at 108) x 110 to 114; y 100 to 116.
    EXPECT_TRUE(Is(At(102, 108), 255, 0, 0));
    EXPECT_TRUE(Is(At(109, 108), 255, 0, 0));
    EXPECT_TRUE(Is(At(110, 108), 0, 255, 0));
    EXPECT_TRUE(Is(At(113, 108), 0, 255, 0));
    EXPECT_TRUE(Is(At(101, 108), 0, 0, 0));
    EXPECT_TRUE(Is(At(114, 108), 0, 0, 0));
    EXPECT_TRUE(Is(At(105, 100), 255, 0, 0));
    EXPECT_TRUE(Is(At(105, 99), 0, 0, 0));
    EXPECT_TRUE(Is(At(105, 116), 0, 0, 0));
}

TEST_F(FontGl, ZeroWidthGlyphDrawsNothingAndStaysPut) {
    PrintText(font, 100, 200, std::string("\x02\x01", 2));
    EXPECT_TRUE(Is(At(101, 208), 0, 0, 0));
    EXPECT_TRUE(Is(At(102, 208), 0, 255, 0));
    EXPECT_TRUE(Is(At(105, 208), 0, 255, 0));
    EXPECT_TRUE(Is(At(106, 208), 0, 0, 0));
}

TEST_F(FontGl, GlyphSeventeenSamplesColumnOneRowOne) {
    PrintText(font, 300, 300, "\x11");
    EXPECT_TRUE(Is(At(304, 308), 0, 0, 255));
}

TEST_F(FontGl, TextAtFiveFiveStartsFiveBelowTheTop) {
    PrintText(font, 5, 5, std::string("\x00", 1));
    EXPECT_TRUE(Is(At(9, 5), 255, 0, 0));
    EXPECT_TRUE(Is(At(9, 4), 0, 0, 0));
}

TEST_F(FontGl, EmptyTextOnlyBindsTheAtlas) {
    glTranslatef(3.0f, 4.0f, 0.0f);
    GLfloat before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    PrintText(font, 10, 10, "");
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(before), sizeof before),
              std::string(reinterpret_cast<char*>(after), sizeof after));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, font.texture.glName);
    std::vector<uint8_t> pixels = ReadPixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0), static_cast<long>(pixels.size()));
}

TEST_F(FontGl, VerticalFontStepsDownByACell) {
    font.vertical = true;
    font.BuildLists();
    PrintText(font, 100, 100, std::string("\x00\x01", 2));
    EXPECT_TRUE(Is(At(105, 108), 255, 0, 0));
    EXPECT_TRUE(Is(At(104, 124), 0, 255, 0));
    EXPECT_TRUE(Is(At(111, 108), 0, 0, 0));
}

}  // namespace
