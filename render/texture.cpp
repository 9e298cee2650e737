// Texture object: size and pixel store, loading by file extension, upload and binding.
#include "render/texture.h"

#include <algorithm>
#include <cctype>

#include "console/log.h"
#include "render/renderer.h"

namespace render {

namespace {

struct FilterMode {
    GLenum magnification;
    GLenum minification;
    bool mipmaps;
};

// Indexed by Texture::filterMode.
constexpr FilterMode kFilterModes[] = {
    {GL_NEAREST, GL_NEAREST, false},
    {GL_LINEAR, GL_NEAREST, false},
    {GL_NEAREST, GL_LINEAR, false},
    {GL_LINEAR, GL_LINEAR, false},
    {GL_NEAREST, GL_NEAREST_MIPMAP_NEAREST, true},
    {GL_NEAREST, GL_LINEAR_MIPMAP_NEAREST, true},
    {GL_NEAREST, GL_NEAREST_MIPMAP_LINEAR, true},
    {GL_LINEAR, GL_NEAREST_MIPMAP_NEAREST, true},
    {GL_LINEAR, GL_LINEAR_MIPMAP_NEAREST, true},
    {GL_LINEAR, GL_NEAREST_MIPMAP_LINEAR, true},
    {GL_LINEAR, GL_LINEAR_MIPMAP_LINEAR, true},
};
constexpr int32_t kFilterModeCount = sizeof kFilterModes / sizeof kFilterModes[0];

// The characters after the last dot, upper-cased; the whole name when there is no dot.
std::string Extension(const std::string& fileName) {
    size_t dot = fileName.rfind('.');
    std::string extension = dot == std::string::npos ? fileName : fileName.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return extension;
}

GLint WrapFor(GLenum wrapMode) {
    if (wrapMode != GL_CLAMP) {
        return GL_REPEAT;
    }
    return renderer.edgeClamp ? GL_CLAMP_TO_EDGE : GL_CLAMP;
}

}  // namespace

void Texture::SetWidth(int32_t w) {
    width = w;
    GrowPixels();
}

void Texture::SetHeight(int32_t h) {
    height = h;
    GrowPixels();
}

void Texture::GrowPixels() {
    size_t needed =
        static_cast<size_t>(std::max(width, 0)) * static_cast<size_t>(std::max(height, 0)) * 4;
    if (pixels.size() < needed) {
        pixels.resize(needed);
    }
}

bool Texture::Load(const std::string& fileName) {
    std::string extension = Extension(fileName);
    bool loaded = false;
    if (extension == "TGA") {
        loaded = LoadTga(fileName);
    } else if (extension == "JPG") {
        loaded = LoadJpeg(fileName);
    }
    if (!loaded) {
        console::Print("Error: " + fileName + " not found!");
        return false;
    }
    console::Print("Loaded: " + fileName);
    return true;
}

void Texture::Upload() {
    GLuint object = 0;
    glGenTextures(1, &object);
    glName = static_cast<int32_t>(object);
    glBindTexture(GL_TEXTURE_2D, object);
    GLint wrap = WrapFor(wrapMode);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    if (filterMode >= 0 && filterMode < kFilterModeCount) {
        const FilterMode& mode = kFilterModes[filterMode];
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER,
                        static_cast<GLfloat>(mode.magnification));
        glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER,
                        static_cast<GLfloat>(mode.minification));
        GrowPixels();
        if (mode.mipmaps) {
            gluBuild2DMipmaps(GL_TEXTURE_2D, 4, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                              pixels.data());
        } else {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                         pixels.data());
        }
    }
    glBindTexture(GL_TEXTURE_2D, object);
}

void Texture::Bind() const {
    glBindTexture(GL_TEXTURE_2D, glName == -1 ? 0 : static_cast<GLuint>(glName));
}

void Texture::Unbind() {
    glBindTexture(GL_TEXTURE_2D, 0);
}

}  // namespace render
