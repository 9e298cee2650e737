// The glow texture: its gradient values, its declared depth and name, and the texture
// object it uploads.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "console/log.h"
#include "effects/glow.h"
#include "render/texture.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

class GlowGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        effects::glowMaker.target = &texture;
    }
    void TearDown() override {
        effects::glowMaker.target = nullptr;
        GlTest::TearDown();
    }

    // Pixel (column, row) of the pixel store.
    const uint8_t* Pixel(int x, int y) const {
        return &texture.pixels[static_cast<size_t>(x + texture.width * y) * 4];
    }
    int Value(int x, int y) const { return Pixel(x, y)[0]; }

    render::Texture texture;
};

TEST_F(GlowGl, GlowIsABrightCentreFadingToNothing) {
    ASSERT_TRUE(effects::glowMaker.MakeGlow());
    EXPECT_EQ(texture.name, "TRV Glow");
    EXPECT_EQ(texture.depth, 24);
    EXPECT_EQ(texture.width, 32);
    EXPECT_EQ(texture.height, 32);
    EXPECT_EQ(texture.filterMode, 10);
    EXPECT_EQ(texture.pixels.size(), 32u * 32u * 4u);

    EXPECT_EQ(Value(16, 16), 255);
    EXPECT_EQ(Value(0, 0), 0);
    EXPECT_EQ(Value(31, 31), 0);
    // Along a row and a column from the centre.
    EXPECT_EQ(Value(17, 16), 124);
    EXPECT_EQ(Value(16, 18), 99);
    EXPECT_EQ(Value(20, 16), 70);
    EXPECT_EQ(Value(16, 24), 35);
    EXPECT_EQ(Value(2, 16), 2);
    EXPECT_EQ(Value(16, 1), 0);
    for (size_t i = 0; i < texture.pixels.size(); i += 4) {
        ASSERT_EQ(texture.pixels[i], texture.pixels[i + 1]) << i / 4;
        ASSERT_EQ(texture.pixels[i], texture.pixels[i + 2]) << i / 4;
        ASSERT_EQ(texture.pixels[i], texture.pixels[i + 3]) << i / 4;
    }
}

TEST_F(GlowGl, UploadsTheGradientAndLeavesNoTextureBound) {
    ASSERT_TRUE(effects::glowMaker.MakeGlow());
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, 0);
    ASSERT_GT(texture.glName, 0);
    texture.Bind();
    std::vector<uint8_t> uploaded(32 * 32 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(uploaded, texture.pixels);
    GLint minification = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minification);
    EXPECT_EQ(minification, GL_LINEAR_MIPMAP_LINEAR);

    // A second glow gets its own texture object.
    int32_t first = texture.glName;
    ASSERT_TRUE(effects::glowMaker.MakeGlow());
    EXPECT_NE(texture.glName, first);
}

TEST_F(GlowGl, ColoursAreMixedPerChannelAndHeldInRange) {
    ASSERT_TRUE(effects::glowMaker.MakeGlowTexture(8, Vector(2, 0.5f, 0, 1), Vector(0, 0, -1, 0)));
    EXPECT_EQ(texture.width, 8);
    const uint8_t* centre = Pixel(4, 4);
    EXPECT_EQ(centre[0], 255);
    EXPECT_EQ(centre[1], 127);
    EXPECT_EQ(centre[2], 0);
    EXPECT_EQ(centre[3], 255);
    // The edge's blue of -1 stays at 0 instead of wrapping.
    EXPECT_EQ(Pixel(0, 0)[2], 0);
}

TEST_F(GlowGl, MissingTargetOrEmptySizeIsRefused) {
    EXPECT_FALSE(effects::glowMaker.MakeGlowTexture(0, Vector(1, 1, 1, 1), Vector(0, 0, 0, 0)));
    EXPECT_EQ(texture.glName, -1);
    effects::glowMaker.target = nullptr;
    EXPECT_FALSE(effects::glowMaker.MakeGlow());
    std::string log = Log();
    EXPECT_NE(log.find("Glow texture not made: size 0 is below 1"), std::string::npos);
    EXPECT_NE(log.find("Glow texture not made: no target texture"), std::string::npos);
}

}  // namespace
