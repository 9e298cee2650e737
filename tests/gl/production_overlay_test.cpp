// The overlay pass on a real context: images placed by their corners, the title colour
// under additive blending, the caption line, the state it leaves, the loading screen.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "console/log.h"
#include "production/captions.h"
#include "production/show.h"
#include "render/display.h"
#include "render/font.h"
#include "render/frame_stats.h"
#include "production/overlay.h"
#include "render/overlay.h"
#include "render/renderer.h"
#include "support/gl_context.h"
#include "support/test_images.h"

namespace {

using render::Texture;

// A texture of one colour, or with its four corner pixels marked.
void Fill(Texture& texture, int width, int height, testing_support::Rgba8 colour) {
    texture.filterMode = 0;
    texture.SetWidth(width);
    texture.SetHeight(height);
    for (size_t i = 0; i < texture.pixels.size(); i += 4) {
        texture.pixels[i] = colour.r;
        texture.pixels[i + 1] = colour.g;
        texture.pixels[i + 2] = colour.b;
        texture.pixels[i + 3] = colour.a;
    }
}

void Mark(Texture& texture, int x, int y, testing_support::Rgba8 colour) {
    uint8_t* p = &texture.pixels[(static_cast<size_t>(y) * texture.width + x) * 4];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
    p[3] = colour.a;
}

class OverlayGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("");
        render::BuildUnitQuad();
        production::show.titleImage = nullptr;
        production::show.captions.clear();
        production::show.captionIndex = 0;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    void TearDown() override {
        production::show.titleImage = nullptr;
        GlTest::TearDown();
    }

    // A font whose every glyph is a solid white block of its width.
    void LoadSolidFont() {
        folder.Write("font.wt", std::string(256, '8'));
        folder.Write("font.tga",
                     testing_support::RgbaTga(256, 256, testing_support::FontAtlas([](int) {
                                                  return testing_support::Rgba8{255, 255, 255, 255};
                                              })));
        render::display.ConsoleFont.SetUp("font");
    }

    Rgba At(int x, int y) const { return PixelAt(x, height - 1 - y); }
};

TEST_F(OverlayGl, DrawImagePutsRowZeroAtTheTop) {
    Texture image;
    Fill(image, 64, 32, {0, 0, 0, 255});
    Mark(image, 0, 0, {255, 0, 0, 255});
    Mark(image, 63, 0, {0, 255, 0, 255});
    Mark(image, 0, 31, {0, 0, 255, 255});
    Mark(image, 63, 31, {255, 255, 0, 255});
    image.Upload();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 640.0, 480.0, 0.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    render::DrawImage(100, 50, image);
    auto is = [](Rgba p, int r, int g, int b) { return p.r == r && p.g == g && p.b == b; };
    EXPECT_TRUE(is(At(100, 50), 255, 0, 0));
    EXPECT_TRUE(is(At(163, 50), 0, 255, 0));
    EXPECT_TRUE(is(At(100, 81), 0, 0, 255));
    EXPECT_TRUE(is(At(163, 81), 255, 255, 0));
    EXPECT_TRUE(is(At(120, 60), 0, 0, 0));
    for (auto [x, y] : {std::pair{99, 50}, {164, 50}, {100, 49}, {100, 82}}) {
        EXPECT_TRUE(is(At(x, y), 51, 51, 51)) << x << "," << y;
    }
}

TEST_F(OverlayGl, TitleColourScalesTheImageUnderAdditiveBlending) {
    Texture image;
    Fill(image, 32, 16, {200, 100, 40, 255});
    image.Upload();
    production::show.titleImage = &image;
    production::show.titlePosition[0] = 70;
    production::show.titlePosition[1] = 210;
    production::show.titleColor = scene::Vector(0.5f, 0.5f, 0.5f);
    production::DrawOverlay();
    Rgba half = At(80, 220);
    EXPECT_NEAR(half.r, 100, 1);
    EXPECT_NEAR(half.g, 50, 1);
    EXPECT_NEAR(half.b, 20, 1);
    Rgba outside = At(69, 220);
    EXPECT_EQ(outside.r + outside.g + outside.b, 0);
    // Added onto what is there, not painted over it.
    glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    production::DrawOverlay();
    EXPECT_NEAR(At(80, 220).r, 151, 1);
    production::show.titleColor = scene::Vector(0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    production::DrawOverlay();
    EXPECT_EQ(At(80, 220).r, 51);
}

TEST_F(OverlayGl, LeavesFogLightingAndMatricesAsPromised) {
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_PROJECTION);
    GLfloat projection[16], modelView[16], after[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1.0f, 2.0f, 3.0f);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    production::DrawOverlay();
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    EXPECT_TRUE(std::equal(modelView, modelView + 16, after));
    glGetFloatv(GL_PROJECTION_MATRIX, after);
    EXPECT_TRUE(std::equal(projection, projection + 16, after));
    GLint source = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    EXPECT_EQ(source, GL_ONE);
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
    EXPECT_EQ(At(45, 359).r, 0);
    EXPECT_EQ(At(41, 365).r, 0);
    EXPECT_EQ(At(59, 365).r, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    production::show.captionIndex = 1;
    production::DrawOverlay();
    std::vector<uint8_t> pixels = ReadPixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0), static_cast<long>(pixels.size()));
}

TEST_F(OverlayGl, PlaybackDrawsNoStatistics) {
    LoadSolidFont();
    render::display.frameStats.fpsText = "50";
    render::display.frameStats.trianglesPerSecondText = "100000";
    production::DrawOverlay();
    std::vector<uint8_t> pixels = ReadPixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0), static_cast<long>(pixels.size()));
}

TEST_F(OverlayGl, LoadingScreenShowsTheLoadingImageOnceAndMovesOn) {
    Texture image;
    Fill(image, 16, 8, {0, 200, 0, 255});
    folder.Write("Data/Text/Loading.tga", testing_support::RgbaTga(16, 8, image.pixels));
    production::BuildCaptions();
    ASSERT_TRUE(production::show.titleTextures[0].Present());
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    production::ShowLoadingScreen();
    EXPECT_EQ(production::show.titleIndex, 1u);
    EXPECT_EQ(production::show.titleImage, &production::show.titleTextures[1]);
    // The frame just presented: the loading image at (70, 180).
    glReadBuffer(GL_FRONT);
    EXPECT_EQ(At(75, 185).g, 200);
    EXPECT_EQ(At(69, 185).g, 0);
    EXPECT_EQ(At(75, 179).g, 0);
    EXPECT_EQ(At(86, 185).g, 0);
}

}  // namespace
