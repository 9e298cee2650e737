// The shared material textures under Data\Textures, for the scenes to name.
#pragma once

#include <vector>

#include "tools/common/image.h"
#include "tools/common/tga_writer.h"
#include "tools/data/content_folder.h"

namespace tools::data {

struct TextureFile {
    const char* name;  // engine file name
    Image (*paint)(int size);
    int size;
    TgaFormat tga;  // ignored for JPEG names
};

// Material files name textures relative to their scene's folder, so a scene in
// Data\Hall reaches these as "..\Textures\stone.jpg".
const std::vector<TextureFile>& TextureFiles();

void WriteTextures(ContentFolder& folder);

}  // namespace tools::data
