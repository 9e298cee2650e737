// The console screen read back from a real context: the background's lower edge at the
// console's height, the input line above it and the newest buffer lines upward from there.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "console/log.h"
#include "render/console_drawing.h"
#include "render/display.h"
#include "render/font.h"
#include "render/overlay.h"
#include "support/gl_context.h"
#include "support/test_images.h"

namespace {

class ConsoleDrawing : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        // Every glyph a solid white cell, 8 units wide.
        folder.Write("Data/LC_B.wt", std::string(256, '8'));
        folder.Write("Data/LC_B.tga", testing_support::SolidWhiteFontTga());
        render::display.ConsoleFont.SetUp("Data\\LC_B");
        render::display.screenWidth = 640;
        console::console.lines = {"x1", "aaaa", "bbb", "cc", "d"};
        console::console.height = 240.0f;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_ALPHA_TEST);
        render::PushOverlayProjection();  // where the console's text is drawn
    }
    // Red channel at overlay coordinates, (0, 0) at the top left.
    int Level(int x, int y) const { return PixelAt(x, height - 1 - y).r; }
    // How many glyph cells of the text line whose top is at `y` are lit.
    int GlyphsAt(int y) const {
        int count = 0;
        while (count < 10 && Level(8 * count + 4, y + 8) > 230) {
            ++count;
        }
        return count;
    }
};

// Lit glyph cells of the lines whose tops are at y = 144, 96, 48 and 0: following the
// tail, "d" is the newest; scrolled, the view starts at its view line.
TEST_F(ConsoleDrawing, LinesStackUpwardFromTheInputLineUntilClosed) {
    render::DrawConsole();
    // Background: white at 0.8 over black, down to the console's height.
    EXPECT_NEAR(Level(300, 230), 204, 2);
    EXPECT_EQ(Level(300, 250), 0);
    EXPECT_EQ(GlyphsAt(192), 1);  // the input line: "_"
    const std::pair<bool, std::array<int, 4>> cases[] = {{true, {1, 2, 3, 4}},
                                                         {false, {3, 4, 2, 0}}};
    for (const auto& [followTail, glyphs] : cases) {
        console::console.followTail = followTail;
        console::console.viewLine = 2;
        glClear(GL_COLOR_BUFFER_BIT);
        render::DrawConsole();
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(GlyphsAt(144 - 48 * row), glyphs[size_t(row)]) << followTail << " " << row;
        }
    }
    // Closed and drawn up to the top, the console empties its input and vanishes.
    console::console.open = false;
    console::console.input = "half typed";
    console::console.history = {"one", "two"};
    console::console.height = 0.0f;
    glClear(GL_COLOR_BUFFER_BIT);
    render::DrawConsole();
    EXPECT_EQ(console::console.input, "");
    EXPECT_EQ(console::console.historyIndex, 2);
    EXPECT_EQ(Level(300, 5), 0);
}

}  // namespace
