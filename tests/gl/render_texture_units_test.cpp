// Texture units: what SetTextureUnit, the sphere map and UseTexture leave on each unit.
#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include "console/settings.h"
#include "render/renderer.h"
#include "render/texture.h"
#include "support/gl_context.h"

namespace {

using render::renderer;
using render::Texture;

class TextureUnitsGl : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        texture.SetWidth(2);
        texture.SetHeight(2);
        texture.filterMode = 0;
        texture.Upload();
        Texture::Unbind();
    }
    void TearDown() override {
        renderer.UseExtensions("");
        GlTest::TearDown();
    }

    static GLint Integer(GLenum name) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        return value;
    }

    Texture texture;
};

TEST_F(TextureUnitsGl, OneUnitDriverTurnsTheSphereMapOffForATexture) {
    renderer.UseExtensions("");
    renderer.SphereMapOn();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S) && glIsEnabled(GL_TEXTURE_GEN_T));
    renderer.UseTexture(texture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S) || glIsEnabled(GL_TEXTURE_GEN_T));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.glName);
}

TEST_F(TextureUnitsGl, TwoUnitsWithCombiner) {
    renderer.UseExtensions("GL_ARB_multitexture GL_ARB_texture_env_combine");
    ASSERT_TRUE(renderer.multitexture);
    renderer.SetTextureUnit(2, texture);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE1_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint combine = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, &combine);
    EXPECT_EQ(combine, GL_MODULATE);

    // Unit 3 selects nothing: the call acts on the unit already active.
    Texture none;
    renderer.SetTextureUnit(3, none);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE1_ARB);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    renderer.UseTexture(texture);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D)) << "unit 1 off";
    glActiveTexture(GL_TEXTURE0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.glName);
}

}  // namespace
