// Particle drawing on a real context: far-to-near order, additive or alpha blending by
// the texture's depth, quads placed in eye space.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "effects/particle_system.h"
#include "platform/clock.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "support/gl_context.h"

namespace {

using effects::ParticleSystem;
using scene::Vector;

class ParticleDrawingGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        platform::UseClock(&clock);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, 640.0 / 480.0, 1.0, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
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
        scene::drawing.MaterialTable.emplace_back();
        render::Texture& texture = scene::drawing.MaterialTable.back().diffuseMap;
        texture.SetWidth(2);
        texture.SetHeight(2);
        for (size_t i = 0; i < texture.pixels.size(); i += 4) {
            texture.pixels[i] = texture.pixels[i + 1] = texture.pixels[i + 2] = 255;
            texture.pixels[i + 3] = 128;
        }
        texture.depth = depth;
        texture.Upload();
        scene::drawing.MaterialTable.back().diffuse = Vector(1, 1, 1, 1);
        scene::drawing.MaterialTable.back().opacity = 100;
        return static_cast<int32_t>(scene::drawing.MaterialTable.size()) - 1;
    }

    platform::VirtualClock clock;
};

TEST_F(ParticleDrawingGl, FarParticleIsDrawnFirst) {
    ParticleSystem system = Still(2, 0);
    // Pool order near then far: drawing in pool order would let the far one cover.
    system.particles[0].position = Vector(0, 0, -5);
    system.particles[0].color = Vector(1, 0, 0);
    system.particles[1].position = Vector(0, 0, -10);
    system.particles[1].color = Vector(0, 1, 0);
    glDepthMask(GL_FALSE);
    system.DrawParticles(Vector(0, 0, 0));
    Rgba centre = PixelAt(320, 240);
    EXPECT_EQ(centre.r, 255);
    EXPECT_EQ(centre.g, 0);
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites) << "on again for the next drawing";

    // Seen from behind the far one, the order turns round.
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(180, 0, 1, 0);
    glTranslatef(0, 0, 15);
    system.DrawParticles(Vector(0, 0, -15));
    centre = PixelAt(320, 240);
    EXPECT_EQ(centre.r, 0);
    EXPECT_EQ(centre.g, 255);

    // An inactive system draws nothing.
    glClear(GL_COLOR_BUFFER_BIT);
    system.active = false;
    system.DrawParticles(Vector(0, 0, -15));
    EXPECT_EQ(PixelAt(320, 240).g, 51);
}

TEST_F(ParticleDrawingGl, TextureDepthChoosesAdditiveOrAlphaBlending) {
    glEnable(GL_TEXTURE_2D);
    int32_t opaqueless = HalfAlphaMaterial(24);
    int32_t withAlpha = HalfAlphaMaterial(32);
    ParticleSystem added = Still(1, opaqueless);
    added.particles[0].position = Vector(-3, 0, -10);
    added.particles[0].color = Vector(0.5f, 0.5f, 0.5f);
    ParticleSystem blended = Still(1, withAlpha);
    blended.particles[0].position = Vector(3, 0, -10);
    blended.particles[0].color = Vector(0.5f, 0.5f, 0.5f);
    added.DrawParticles(Vector(0, 0, 0));
    blended.DrawParticles(Vector(0, 0, 0));

    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble x = 0, y = 0, z = 0;
    // Background 51; the quad's colour is 128 with alpha 128.
    gluProject(-3, 0, -10, model, projection, viewport, &x, &y, &z);
    EXPECT_NEAR(PixelAt(int(x), int(y)).r, 51 + 128, 2);
    gluProject(3, 0, -10, model, projection, viewport, &x, &y, &z);
    EXPECT_NEAR(PixelAt(int(x), int(y)).r, (51 + 128) / 2, 2);
}

TEST_F(ParticleDrawingGl, QuadsFollowTheViewAndFaceTheEye) {
    ParticleSystem system = Still(1, 0);
    system.particles[0].position = Vector(10, 0, 0);
    system.particles[0].size = Vector(1, 2, 1);
    glLoadIdentity();
    glTranslatef(-10, 0, -10);
    system.DrawParticles(Vector(10, 0, 10));
    // The size is a radius to the corners at ±45°: 0.707 wide, 1.414 high at 10 units.
    const float pixelsPerUnit = 240.0f / (10.0f * std::tan(30.0f * 3.14159265f / 180.0f));
    int halfWidth = int(0.70710678f * pixelsPerUnit);
    int halfHeight = int(1.41421356f * pixelsPerUnit);
    EXPECT_EQ(PixelAt(320 + halfWidth - 2, 240).r, 255);
    EXPECT_EQ(PixelAt(320 + halfWidth + 2, 240).r, 51);
    EXPECT_EQ(PixelAt(320, 240 + halfHeight - 2).r, 255);
    EXPECT_EQ(PixelAt(320, 240 + halfHeight + 2).r, 51);
}

}  // namespace
