// Texture units and images. ES 2 takes images only in the format they are given in and
// has no plain clamp; the layer also notes which textures are complete, as a unit whose
// texture is not draws as if it were off.
#include <vector>

#include "render/gles/context.h"
#include "render/gles/image_scaling.h"

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
    if (InList([unit] { ActiveTexture(unit); })) {
        return;
    }
    const int index = static_cast<int>(unit) - GL_TEXTURE0;
    if (index < 0 || index >= kTextureUnits) {
        Unsupported("glActiveTexture", unit);
        return;
    }
    Current().activeUnit = index;
    SendChanged(TheContext().sent.activeUnit, unit, [unit] { glActiveTexture(unit); });
}

// Only the first unit has a coordinate array: the second unit's come from sphere mapping.
void ClientActiveTexture(GLenum unit) {
    if (unit != GL_TEXTURE0) {
        Unsupported("glClientActiveTexture", unit);
    }
}

void BindTexture(GLenum target, GLuint texture) {
    if (InList([=] { BindTexture(target, texture); })) {
        return;
    }
    State& state = Current();
    const auto unit = static_cast<size_t>(state.activeUnit);
    state.units[unit].bound = texture;
    SendChanged(TheContext().sent.bound[unit], texture, [=] { glBindTexture(target, texture); });
}

void TexParameteri(GLenum target, GLenum name, GLint value) {
    if (InList([=] { TexParameteri(target, name, value); })) {
        return;
    }
    FlushBatch();  // the texture's parameters are not kept per draw
    if (name == GL_TEXTURE_MIN_FILTER) {
        BoundTexture().minFilter = static_cast<GLenum>(value);
    }
    glTexParameteri(target, name, EsParameter(name, value));
}

void TexParameterf(GLenum target, GLenum name, GLfloat value) {
    TexParameteri(target, name, static_cast<GLint>(value));
}

// Not kept in a list: its image would have to be copied there.
void TexImage2D(GLenum target, GLint level, GLint, GLsizei width, GLsizei height, GLint border,
                GLenum format, GLenum type, const void* pixels) {
    if (TheContext().lists.recording) {
        Unsupported("glTexImage2D in a display list");
        return;
    }
    FlushBatch();
    glTexImage2D(target, level, static_cast<GLint>(format), width, height, border, format, type,
                 pixels);
    if (level == 0) {
        BoundTexture().hasImage = width > 0 && height > 0;
    }
}

// As GLU does: an image whose sides are not powers of two, or larger than the driver
// takes, is scaled first; WebGL could neither mipmap nor repeat it.
GLint Build2DMipmaps(GLenum target, GLint, GLsizei width, GLsizei height, GLenum format,
                     GLenum type, const void* pixels) {
    const int channels = ChannelCount(format);
    if (width <= 0 || height <= 0 || type != GL_UNSIGNED_BYTE || channels == 0) {
        Unsupported("gluBuild2DMipmaps format", type != GL_UNSIGNED_BYTE ? type : format);
        return GLU_INVALID_VALUE;
    }
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    const int scaledWidth = MipmapSide(width, largest);
    const int scaledHeight = MipmapSide(height, largest);
    if (scaledWidth == width && scaledHeight == height) {
        TexImage2D(target, 0, 0, width, height, 0, format, type, pixels);
    } else {
        GLint alignment = 4;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        const size_t row = static_cast<size_t>(width) * channels;
        const size_t rowBytes = (row + alignment - 1) / alignment * alignment;
        const std::vector<unsigned char> scaled =
            ScaleImage(static_cast<const unsigned char*>(pixels), width, height, channels, rowBytes,
                       scaledWidth, scaledHeight);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        TexImage2D(target, 0, 0, scaledWidth, scaledHeight, 0, format, type, scaled.data());
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    }
    glGenerateMipmap(target);
    BoundTexture().hasMipmaps = true;
    return 0;
}

}  // namespace render::gles
