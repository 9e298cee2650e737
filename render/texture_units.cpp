// Texture units: one texture per unit, sphere mapping, and the single-texture state of
// the two-dimensional passes.
#include "render/gl.h"
#include "render/glh/glh_extensions.h"
#include "render/renderer.h"
#include "render/texture.h"

namespace render {

namespace {

// A driver without the multitexture entry point has only the one unit.
void ActiveTexture(GLenum unit) {
    if (glh::entryPoints.glActiveTextureARB) {
        glh::entryPoints.glActiveTextureARB(unit);
    }
}

void SetModulation(bool combine) {
    if (combine) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE_ARB);
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB_ARB, GL_MODULATE);
    } else {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
}

}  // namespace

void Renderer::SetTextureUnit(int unit, const Texture& texture) {
    if (unit == 1) {
        ActiveTexture(GL_TEXTURE0_ARB);
    } else if (unit == 2) {
        ActiveTexture(GL_TEXTURE1_ARB);
    }
    if (texture.glName == -1) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    SetModulation(textureEnvCombine);
    if (texture.glName > 0) {
        texture.Bind();
    } else {
        glBindTexture(GL_TEXTURE_2D, 0);
    }
}

void Renderer::SphereMapOn() {
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
}

void Renderer::SphereMapOff() {
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
}

void Renderer::UseTexture(const Texture& texture) {
    if (multitexture) {
        static const Texture none;
        SetTextureUnit(1, texture);
        SetTextureUnit(2, none);
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    SetModulation(textureEnvCombine);
    texture.Bind();
    SphereMapOff();
}

}  // namespace render
