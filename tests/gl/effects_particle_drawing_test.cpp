// Particle drawing on a real context: far-to-near order, additive or alpha blending by
// the texture's depth, quads placed in eye space.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "effects/particle_system.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "support/gl_context.h"

namespace {

using effects::ParticleSystem;
using scene::Vector;

// The window's projection, 60 degrees vertical: pixels per unit across at distance 10.
const float kPixelsPerUnitAt10 = 240.0f / (10.0f * std::tan(30.0f * 3.14159265f / 180.0f));

class ParticleDrawingGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        UseVirtualClock();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_TEXTURE_2D);
        glClearColor(0.2f, 0.2f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // `count` still particles at the origin, drawn with `material`.
    static ParticleSystem Still(int32_t count, int32_t material) {
        ParticleSystem system;
        system.Init(Vector(1, 1, 1), Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0),
                    Vector(0, 0, 0), Vector(0, 0, 0), 1000000, 0, Vector(0, 0, 0), material, count);
        return system;
    }

    // A material whose 2 × 2 diffuse texture is white with half alpha, declared `depth`.
    static int32_t HalfAlphaMaterial(int32_t depth) {
        scene::Material& material = scene::drawing.MaterialTable.emplace_back();
        material.diffuseMap.SetWidth(2);
        material.diffuseMap.SetHeight(2);
        material.diffuseMap.pixels = {255, 255, 255, 128, 255, 255, 255, 128,
                                      255, 255, 255, 128, 255, 255, 255, 128};
        material.diffuseMap.depth = depth;
        material.diffuseMap.Upload();
        material.diffuse = Vector(1, 1, 1, 1);
        material.opacity = 100;
        return static_cast<int32_t>(scene::drawing.MaterialTable.size()) - 1;
    }
};

TEST_F(ParticleDrawingGl, FarParticleIsDrawnFirst) {
    ParticleSystem system = Still(2, 0);
    // Pool order near then far: drawing in pool order would let the far one cover.
    system.particles[0].position = Vector(0, 0, -5);
    system.particles[0].color = Vector(1, 0, 0);
    system.particles[1].position = Vector(0, 0, -10);
    system.particles[1].color = Vector(0, 1, 0);
    system.DrawParticles(Vector(0, 0, 0));
    EXPECT_EQ(PixelAt(320, 240).g, 0) << "red covers green, and the background's 51";

    // Seen from behind the far one, the order turns round.
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(180, 0, 1, 0);
    glTranslatef(0, 0, 15);
    system.DrawParticles(Vector(0, 0, -15));
    EXPECT_EQ(PixelAt(320, 240).r, 0) << "green covers red, and the background's 51";

    // An inactive system draws nothing.
    glClear(GL_COLOR_BUFFER_BIT);
    system.active = false;
    system.DrawParticles(Vector(0, 0, -15));
    EXPECT_EQ(PixelAt(320, 240).g, 51);
}

TEST_F(ParticleDrawingGl, TextureDepthChoosesAdditiveOrAlphaBlending) {
    glEnable(GL_TEXTURE_2D);
    // Background 51; the quad's colour is 128 with alpha 128.
    // Depth, x and red.
    const std::tuple<int, float, int> cases[] = {{24, -3, 51 + 128}, {32, 3, (51 + 128) / 2}};
    for (const auto& [depth, x, red] : cases) {
        ParticleSystem system = Still(1, HalfAlphaMaterial(depth));
        system.particles[0].position = Vector(x, 0, -10);
        system.particles[0].color = Vector(0.5f, 0.5f, 0.5f);
        system.DrawParticles(Vector(0, 0, 0));
        EXPECT_NEAR(PixelAt(320 + int(x * kPixelsPerUnitAt10), 240).r, red, 2) << "depth " << depth;
    }
}

TEST_F(ParticleDrawingGl, QuadsFollowTheViewAndFaceTheEye) {
    ParticleSystem system = Still(1, 0);
    system.particles[0].position = Vector(10, 0, 0);
    system.particles[0].size = Vector(1, 2, 1);
    glLoadIdentity();
    glTranslatef(-10, 0, -10);
    system.DrawParticles(Vector(10, 0, 10));
    // The size is a radius to the corners at ±45°: 0.707 wide, 1.414 high at 10 units.
    int halfWidth = int(0.70710678f * kPixelsPerUnitAt10);
    int halfHeight = int(1.41421356f * kPixelsPerUnitAt10);
    EXPECT_EQ(PixelAt(320 + halfWidth - 2, 240).r, 255);
    EXPECT_EQ(PixelAt(320 + halfWidth + 2, 240).r, 51);
    EXPECT_EQ(PixelAt(320, 240 + halfHeight - 2).r, 255);
    EXPECT_EQ(PixelAt(320, 240 + halfHeight + 2).r, 51);
}

}  // namespace
