// Texture: an RGBA pixel store in main memory and the OpenGL texture object made from it.
#pragma once

#include "render/gl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace render {

class Texture {
public:
    // Grow `pixels` to hold at least width × height pixels; it never shrinks.
    void SetWidth(int32_t w);
    void SetHeight(int32_t h);

    // Loads an image chosen by the extension after the last dot (TGA or JPG, any letter
    // case) and logs "Loaded: " or the error line.
    bool Load(const std::string& fileName);
    // Each fills the pixel store, uploads it and leaves no texture bound.
    bool LoadTga(const std::string& fileName);
    bool LoadJpeg(const std::string& fileName);

    // Makes a new texture object from `pixels` with the filter and wrap modes, left bound.
    void Upload();
    // Binds `glName`, or texture 0 while there is none.
    void Bind() const;
    static void Unbind();

    // Owners treat a texture as present once it has a texture object.
    bool Present() const { return glName > 0; }

    std::string name;
    int32_t width = 0;
    int32_t height = 0;
    // Bits per pixel of the last TGA loaded (8, 24 or 32), or set by the texture's creator.
    int32_t depth = 0;
    int32_t glName = -1;
    // 10 to 7: linear magnification with mipmaps; 6 to 4: nearest with mipmaps;
    // 3 to 0: level 0 only (see Upload).
    int32_t filterMode = 10;
    // GL_CLAMP asks for clamping; any other value repeats.
    GLenum wrapMode = GL_REPEAT;
    // Four bytes per pixel: red, green, blue, alpha; row 0 first.
    std::vector<uint8_t> pixels;

private:
    void GrowPixels();
};

}  // namespace render
