// The overlay pass on a real context: the title colour under additive blending, the
// caption line, the loading screen and the first title.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "console/log.h"
#include "production/captions.h"
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

using render::Texture;

// A texture of one colour, nearest filtered; pixel (x, y) at pixels[4 * (y * width + x)].
void Fill(Texture& texture, int width, int height, testing_support::Rgba8 colour) {
    texture.filterMode = 0;
    texture.SetWidth(width);
    texture.SetHeight(height);
    for (size_t i = 0; i < texture.pixels.size(); i += 4) {
        std::memcpy(&texture.pixels[i], &colour, 4);
    }
}

class OverlayGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("");
        render::BuildUnitQuad();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // A font whose every glyph is a solid white block of its width.
    void LoadSolidFont() {
        folder.Write("font.wt", std::string(256, '8'));
        folder.Write("font.tga", testing_support::SolidWhiteFontTga());
        render::display.ConsoleFont.SetUp("font");
    }

    Rgba At(int x, int y) const { return PixelAt(x, height - 1 - y); }
};

TEST_F(OverlayGl, TitleColourScalesTheImageUnderAdditiveBlending) {
    Texture image;
    Fill(image, 32, 16, {200, 100, 40, 255});
    image.Upload();
    production::show.titleImage = &image;
    production::show.titlePosition[0] = 70;
    production::show.titlePosition[1] = 210;
    production::show.titleColor = scene::Vector(0.5f, 0.5f, 0.5f);
    // Added onto what is there, not painted over it.
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_FOG);
    production::DrawOverlay();
    Rgba half = At(80, 220);
    EXPECT_NEAR(half.r, 51 + 100, 1);
    EXPECT_NEAR(half.g, 51 + 50, 1);
    EXPECT_NEAR(half.b, 51 + 20, 1);
    EXPECT_EQ(At(69, 220).r, 51);
    EXPECT_TRUE(glIsEnabled(GL_FOG) && glIsEnabled(GL_LIGHTING)) << "on for the next frame";
}

TEST_F(OverlayGl, CaptionDrawsInItsColourOnlyWithTheFont) {
    production::show.captions = {{6.0f, 0.0f, "AB"}, {6.0f, 0.0f, ""}};
    production::show.captionColor = scene::Vector(0.5f, 0.5f, 0.5f);
    production::DrawOverlay();
    EXPECT_EQ(At(45, 365).r, 0) << "no font yet";
    LoadSolidFont();
    production::DrawOverlay();
    // Two glyphs of width 8 from x 42 to 58, y 360 to 376.
    EXPECT_NEAR(At(45, 365).r, 128, 1);
    EXPECT_NEAR(At(55, 370).g, 128, 1);
    EXPECT_EQ(At(45, 359).r + At(41, 365).r + At(59, 365).r, 0);
    // An empty caption, and playback draws no statistics.
    glClear(GL_COLOR_BUFFER_BIT);
    production::show.captionIndex = 1;
    render::display.frameStats.fpsText = "50";
    production::DrawOverlay();
    std::vector<uint8_t> pixels = ReadPixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0), static_cast<long>(pixels.size()));
}

TEST_F(OverlayGl, LoadingScreenShowsTheLoadingImageOnceAndMovesOn) {
    Texture image;
    Fill(image, 16, 8, {0, 200, 0, 255});
    for (const char* name : {"Loading", "SeerDreams"}) {
        folder.Write(std::string("Data/Text/") + name + ".tga",
                     testing_support::RgbaTga(16, 8, image.pixels));
    }
    production::BuildCaptions();
    ASSERT_TRUE(production::show.titleTextures[0].Present());
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    production::ShowLoadingScreen();
    EXPECT_EQ(production::show.titleImage, &production::show.titleTextures[1]);
    // The frame just presented: the loading image at (70, 180).
    glReadBuffer(GL_FRONT);
    EXPECT_EQ(At(75, 185).g, 200);
    EXPECT_EQ(At(69, 185).g + At(75, 179).g + At(86, 185).g, 0);

    // The first title fades in at (70, 210) over three seconds: two thirds up after two.
    production::AdvanceCaptions(20000);
    glReadBuffer(GL_BACK);
    glClear(GL_COLOR_BUFFER_BIT);
    production::DrawOverlay();
    EXPECT_NEAR(At(71, 215).g, 133, 3);
    EXPECT_EQ(At(69, 215).g + At(86, 215).g, 0);
}

}  // namespace
