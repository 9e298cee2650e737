// Texture units and images. ES 2 takes images only in the format they are given in and
// has no plain clamp; the layer also notes which textures are complete, as a unit whose
// texture is not draws as if it were off.
#include "render/gles/draw.h"
#include "render/gles/gles.h"
#include "render/gles/state.h"

namespace render::gles {

namespace {

TextureObject& BoundTexture() {
    State& state = Current();
    return state.textures[state.units[static_cast<size_t>(state.activeUnit)].bound];
}

bool UsesMipmaps(GLenum minFilter) {
    return minFilter != GL_NEAREST && minFilter != GL_LINEAR;
}

GLint EsParameter(GLenum name, GLint value) {
    const bool wrap = name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T;
    return wrap && value == GL_CLAMP ? GL_CLAMP_TO_EDGE : value;
}

void NoteParameter(GLenum name, GLint value) {
    if (name == GL_TEXTURE_MIN_FILTER) {
        BoundTexture().minFilter = static_cast<GLenum>(value);
    }
}

}  // namespace

bool Complete(GLuint texture) {
    const auto found = Current().textures.find(texture);
    if (texture == 0 || found == Current().textures.end()) {
        return false;
    }
    const TextureObject& object = found->second;
    return object.hasImage && (object.hasMipmaps || !UsesMipmaps(object.minFilter));
}

void ActiveTexture(GLenum unit) {
    const int index = static_cast<int>(unit) - GL_TEXTURE0;
    if (index >= 0 && index < kTextureUnits) {
        Current().activeUnit = index;
        glActiveTexture(unit);
    }
}

// Only the first unit has a coordinate array: the second unit's come from sphere mapping.
void ClientActiveTexture(GLenum) {}

void BindTexture(GLenum target, GLuint texture) {
    FlushBatch();
    State& state = Current();
    state.units[static_cast<size_t>(state.activeUnit)].bound = texture;
    glBindTexture(target, texture);
}

void TexParameteri(GLenum target, GLenum name, GLint value) {
    FlushBatch();
    NoteParameter(name, value);
    glTexParameteri(target, name, EsParameter(name, value));
}

void TexParameterf(GLenum target, GLenum name, GLfloat value) {
    TexParameteri(target, name, static_cast<GLint>(value));
}

void TexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint border,
                GLenum format, GLenum type, const void* pixels) {
    FlushBatch();
    glTexImage2D(target, level, static_cast<GLint>(format), width, height, border, format, type,
                 pixels);
    if (level == 0) {
        BoundTexture().hasImage = width > 0 && height > 0;
    }
}

GLint Build2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format,
                     GLenum type, const void* pixels) {
    TexImage2D(target, 0, 0, width, height, 0, format, type, pixels);
    glGenerateMipmap(target);
    BoundTexture().hasMipmaps = true;
    return 0;
}

}  // namespace render::gles
