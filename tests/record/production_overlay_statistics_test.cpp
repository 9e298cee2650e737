// The statistics lines that the recording variant's overlay draws, compared with the
// same lines printed directly.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/log.h"
#include "production/overlay.h"
#include "production/show.h"
#include "render/display.h"
#include "render/font.h"
#include "render/frame_stats.h"
#include "render/overlay.h"
#include "render/renderer.h"
#include "support/gl_context.h"
#include "support/test_images.h"

namespace {

class OverlayStatistics : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("");
        // The console screen, drawn after the statistics, stays up out of sight.
        console::console.open = false;
        console::console.height = 0.0f;
        // Glyph widths vary with the code, so different lines give different pictures.
        std::string widths(256, '4');
        for (size_t glyph = 0; glyph < widths.size(); ++glyph) {
            widths[glyph] = static_cast<char>('4' + glyph % 7);
        }
        folder.Write("font.wt", widths);
        folder.Write("font.tga", testing_support::SolidWhiteFontTga());
        render::display.ConsoleFont.SetUp("font");
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    std::vector<uint8_t> Overlay() {
        glClear(GL_COLOR_BUFFER_BIT);
        production::DrawOverlay();
        return ReadPixels();
    }

    // The lines printed directly at the overlay's positions: white, unlit, additive.
    std::vector<uint8_t> Printed(const std::vector<std::string>& lines) {
        glClear(GL_COLOR_BUFFER_BIT);
        render::PushOverlayProjection();
        glDisable(GL_LIGHTING);
        glBlendFunc(GL_ONE, GL_ONE);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        for (size_t i = 0; i < lines.size(); ++i) {
            render::PrintText(render::display.ConsoleFont, 5, 5 + 20 * static_cast<float>(i),
                              lines[i]);
        }
        render::PopOverlayProjection();
        return ReadPixels();
    }
};

TEST_F(OverlayStatistics, FourLinesFromTheLatestFigures) {
    // Before the first update the texts end at their first NUL.
    render::display.frameStats.fpsText.assign(100, '\0');
    EXPECT_TRUE(Overlay() == Printed({"FPS: ", "Tri./Sec.: ", "Tri./Frame: 0", "Time: 0"}));
    render::display.frameStats.triangleTotal = 50 * 2000;
    render::UpdateFrameStats(10000);
    render::display.frameStats.trianglesThisFrame = 2000;
    production::show.scheduleTime = 654321;
    std::vector<uint8_t> overlay = Overlay();
    EXPECT_TRUE(overlay ==
                Printed({"FPS: 50", "Tri./Sec.: 100000", "Tri./Frame: 2000", "Time: 65"}));
    EXPECT_FALSE(overlay ==
                 Printed({"FPS: 50", "Tri./Sec.: 100000", "Tri./Frame: 2000", "Time: 66"}));
}

}  // namespace
