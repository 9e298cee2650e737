// Texture loaders: TGA and JPEG results turned into the texture's RGBA pixels.
#include <cstring>

#include "console/log.h"
#include "platform/files.h"
#include "platform/jpeg.h"
#include "render/texture.h"
#include "render/tga.h"

namespace render {

namespace {

// Blue, green, red (alpha) or grey bytes of a TGA pixel to red, green, blue, alpha.
void TgaToRgba(const uint8_t* source, int bytesPerPixel, uint8_t* out) {
    if (bytesPerPixel == 1) {
        out[0] = out[1] = out[2] = source[0];
        out[3] = 255;
        return;
    }
    out[0] = source[2];
    out[1] = source[1];
    out[2] = source[0];
    out[3] = bytesPerPixel == 4 ? source[3] : 255;
}

}  // namespace

bool Texture::LoadTga(const std::string& fileName) {
    if (!ReadTga(fileName, tgaImage)) {
        return false;
    }
    depth = tgaImage.depth;
    SetWidth(tgaImage.width);
    SetHeight(tgaImage.height);
    name = fileName;
    int bytesPerPixel = tgaImage.depth / 8;
    size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i) {
        TgaToRgba(&tgaImage.pixels[i * static_cast<size_t>(bytesPerPixel)], bytesPerPixel,
                  &pixels[i * 4]);
    }
    Upload();
    Unbind();
    return true;
}

bool Texture::LoadJpeg(const std::string& fileName) {
    std::vector<uint8_t> bytes;
    if (!platform::ReadFile(fileName, bytes)) {
        console::Print("JPEG: " + fileName + ": the file cannot be read");
        return false;
    }
    platform::JpegImage image;
    std::string error;
    if (!platform::DecodeJpeg(bytes, image, error)) {
        console::Print("JPEG: " + fileName + ": " + error);
        return false;
    }
    SetWidth(image.width);
    SetHeight(image.height);
    size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i) {
        std::memcpy(&pixels[i * 4], &image.rgb[i * 3], 3);
        pixels[i * 4 + 3] = 255;
    }
    Upload();
    Unbind();
    return true;
}

}  // namespace render
