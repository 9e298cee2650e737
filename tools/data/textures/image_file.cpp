// Picks the encoder from the file name's extension, as the engine's loader does.
#include "tools/data/textures/image_file.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "tools/common/jpeg_writer.h"

namespace tools::data {
namespace {

std::string Extension(const std::string& name) {
    size_t dot = name.rfind('.');
    std::string extension = dot == std::string::npos ? "" : name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

}  // namespace

void WriteImage(ContentFolder& folder, const std::string& name, const Image& image,
                const TgaFormat& tga) {
    std::string extension = Extension(name);
    if (extension == "jpg") {
        folder.Write(name, EncodeJpeg(image, kJpegQuality));
    } else if (extension == "tga") {
        folder.Write(name, EncodeTga(image, tga));
    } else {
        throw std::invalid_argument("no image encoder for " + name);
    }
}

}  // namespace tools::data
