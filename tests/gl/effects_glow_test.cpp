// The glow texture: its gradient values, its declared depth and the texture object it
// uploads.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

    // Pixel (column, row) of the pixel store.
    const uint8_t* Pixel(int x, int y) const {
        return &texture.pixels[static_cast<size_t>(x + texture.width * y) * 4];
    }

    render::Texture texture;
};

// Depth 24 makes particles drawn with it add their light.
TEST_F(GlowGl, GlowIsABrightGreyCentreFadingToNothing) {
    ASSERT_TRUE(effects::glowMaker.MakeGlow());
    EXPECT_EQ(texture.depth, 24);
    EXPECT_TRUE(texture.Present()) << "uploaded";
    ASSERT_EQ(texture.width, 32);
    const int samples[][3] = {{16, 16, 255}, {0, 0, 0},    {31, 31, 0}, {17, 16, 124}, {16, 18, 99},
                              {20, 16, 70},  {16, 24, 35}, {2, 16, 2},  {16, 1, 0}};
    for (const auto& [x, y, value] : samples) {
        EXPECT_EQ(Pixel(x, y)[0], value) << x << "," << y;
    }
    for (size_t i = 0; i < texture.pixels.size(); i += 4) {
        ASSERT_TRUE(std::equal(&texture.pixels[i + 1], &texture.pixels[i + 4], &texture.pixels[i],
                               &texture.pixels[i + 3]))
            << i / 4;
    }
}

TEST_F(GlowGl, ColoursAreMixedPerChannelAndBadRequestsRefused) {
    ASSERT_TRUE(effects::glowMaker.MakeGlowTexture(8, Vector(2, 0.5f, 0, 1), Vector(0, 0, -1, 0)));
    EXPECT_EQ(std::vector<uint8_t>(Pixel(4, 4), Pixel(4, 4) + 4),
              (std::vector<uint8_t>{255, 127, 0, 255}));
    // The edge's blue of -1 stays at 0 instead of wrapping.
    EXPECT_EQ(Pixel(0, 0)[2], 0);

    EXPECT_FALSE(effects::glowMaker.MakeGlowTexture(0, Vector(1, 1, 1, 1), Vector(0, 0, 0, 0)));
    effects::glowMaker.target = nullptr;
    EXPECT_FALSE(effects::glowMaker.MakeGlow());
    std::string log = Log();
    EXPECT_NE(log.find("Glow texture not made: size 0 is below 1"), std::string::npos);
    EXPECT_NE(log.find("Glow texture not made: no target texture"), std::string::npos);
}

}  // namespace
