// Finding and decoding a model's textures.
#include "tools/m3convert/texture_import.h"

#include <assimp/scene.h>
#include <png.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/jpeg.h"
#include "render/tga.h"
#include "tools/m3convert/model.h"

namespace tools::m3convert {
namespace {

using tools::data::Image;
namespace fs = std::filesystem;

// Pixels packed top row first with `channels` bytes each: RGB or RGBA.
Image FromPacked(int width, int height, const uint8_t* data, int channels) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = data + (size_t(y) * size_t(width) + size_t(x)) * size_t(channels);
            image.at(x, y) = {p[0], p[1], p[2], uint8_t(channels == 4 ? p[3] : 255)};
        }
    }
    return image;
}

Image DecodePng(const std::vector<uint8_t>& bytes, const std::string& name) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    std::vector<uint8_t> rgba;
    if (png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) {
        png.format = PNG_FORMAT_RGBA;
        rgba.resize(PNG_IMAGE_SIZE(png));
        if (png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) {
            return FromPacked(int(png.width), int(png.height), rgba.data(), 4);
        }
    }
    throw ConvertError(name + ": not a readable PNG: " + png.message);
}

Image DecodeJpeg(const std::vector<uint8_t>& bytes, const std::string& name) {
    platform::JpegImage jpeg;
    std::string error;
    if (!platform::DecodeJpeg(bytes, jpeg, error)) {
        throw ConvertError(name + ": not a readable JPEG: " + error);
    }
    return FromPacked(jpeg.width, jpeg.height, jpeg.rgb.data(), 3);
}

// TGA rows run bottom up unless the descriptor's top-origin bit is set.
Image DecodeTga(const std::string& path) {
    render::TgaImage tga;
    if (!render::ReadTga(path, tga)) {
        throw ConvertError(path + ": not a readable TGA");
    }
    Image image(tga.width, tga.height);
    const bool topFirst = (tga.descriptor & 0x20) != 0;
    const size_t step = tga.depth / 8;
    for (int row = 0; row < tga.height; ++row) {
        int y = topFirst ? row : tga.height - 1 - row;
        for (int x = 0; x < tga.width; ++x) {
            const uint8_t* p = &tga.pixels[(size_t(row) * tga.width + size_t(x)) * step];
            image.at(x, y) =
                step == 1 ? tools::data::Rgba{p[0], p[0], p[0], 255}
                          : tools::data::Rgba{p[2], p[1], p[0], uint8_t(step == 4 ? p[3] : 255)};
        }
    }
    return image;
}

Image DecodeBytes(const std::vector<uint8_t>& bytes, const std::string& name) {
    static const uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
    if (bytes.size() > 4 && std::equal(kPng, kPng + 4, bytes.begin())) {
        return DecodePng(bytes, name);
    }
    if (bytes.size() > 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) {
        return DecodeJpeg(bytes, name);
    }
    throw ConvertError(name + ": cannot be decoded: neither PNG, JPEG nor TGA");
}

// Embedded textures: compressed file bytes, or raw texels (BGRA, top row first).
Image DecodeEmbedded(const aiTexture& texture, const std::string& name) {
    if (texture.mHeight == 0) {
        const auto* data = reinterpret_cast<const uint8_t*>(texture.pcData);
        return DecodeBytes(std::vector<uint8_t>(data, data + texture.mWidth), name);
    }
    Image image(int(texture.mWidth), int(texture.mHeight));
    for (unsigned y = 0; y < texture.mHeight; ++y) {
        for (unsigned x = 0; x < texture.mWidth; ++x) {
            const aiTexel& t = texture.pcData[y * texture.mWidth + x];
            image.at(int(x), int(y)) = {t.r, t.g, t.b, t.a};
        }
    }
    return image;
}

bool IsTga(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), ::tolower);
    return extension == ".tga";
}

// The first place the reference names that holds a file: beside the model, as written,
// or by its bare file name beside the model.
std::optional<fs::path> Locate(const std::string& folder, std::string reference) {
    std::replace(reference.begin(), reference.end(), '\\', '/');
    fs::path named(reference);
    for (const fs::path& candidate :
         {fs::path(folder) / named, named, fs::path(folder) / named.filename()}) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Image> ImportTexture(const aiScene& source, const std::string& folder,
                                   const std::string& reference) {
    if (const aiTexture* embedded = source.GetEmbeddedTexture(reference.c_str())) {
        return DecodeEmbedded(*embedded, "embedded texture " + reference);
    }
    std::optional<fs::path> path = Locate(folder, reference);
    if (!path) {
        return std::nullopt;
    }
    if (IsTga(*path)) {
        return DecodeTga(path->string());
    }
    std::ifstream file(*path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    return DecodeBytes(bytes, path->string());
}

}  // namespace tools::m3convert
