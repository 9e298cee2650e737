// Writes a picture as the file kind its engine name asks for: ".jpg" is JPEG, ".tga" is TGA.
#pragma once

#include <string>

#include "tools/common/image.h"
#include "tools/common/tga_writer.h"
#include "tools/data/content_folder.h"

namespace tools::data {

constexpr int kJpegQuality = 90;

// `tga` chooses the TGA variant and is ignored for JPEG names; any other extension throws.
void WriteImage(ContentFolder& folder, const std::string& name, const Image& image,
                const TgaFormat& tga = TgaFormat{});

}  // namespace tools::data
