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
    static GLint EnvMode() {
        GLint mode = 0;
        glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
        return mode;
    }

    Texture texture;
};

TEST_F(TextureUnitsGl, OneUnitDriver) {
    renderer.UseExtensions("");
    Texture none;
    renderer.SetTextureUnit(1, none);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    renderer.SphereMapOn();
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S) && glIsEnabled(GL_TEXTURE_GEN_T));
    GLint mode = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &mode);
    EXPECT_EQ(mode, GL_SPHERE_MAP);
    renderer.UseTexture(texture);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S) || glIsEnabled(GL_TEXTURE_GEN_T));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.glName);
    EXPECT_EQ(EnvMode(), GL_MODULATE);
}

TEST_F(TextureUnitsGl, TwoUnitsWithCombiner) {
    renderer.UseExtensions("GL_ARB_multitexture GL_ARB_texture_env_combine");
    ASSERT_TRUE(renderer.multitexture);
    renderer.SetTextureUnit(2, texture);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE1_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(EnvMode(), GL_COMBINE_ARB);
    GLint combine = 0;
    glGetTexEnviv(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, &combine);
    EXPECT_EQ(combine, GL_MODULATE);
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.glName);

    // Unit 3 selects nothing: the call acts on the unit already active.
    Texture none;
    renderer.SetTextureUnit(3, none);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE1_ARB);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // A texture object 0 is bound as no texture, with texturing on.
    Texture zero;
    zero.glName = 0;
    renderer.SetTextureUnit(1, zero);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE0_ARB);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), 0);

    renderer.UseTexture(texture);
    EXPECT_EQ(Integer(GL_ACTIVE_TEXTURE_ARB), GL_TEXTURE1_ARB);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    glActiveTexture(GL_TEXTURE0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(Integer(GL_TEXTURE_BINDING_2D), texture.glName);
}

}  // namespace
