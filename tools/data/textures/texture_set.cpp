// Lists the material textures with the file kind of each; together they use every TGA
// variant the engine reads (24 and 32 bits, raw and run-length, both row orders) and JPEG.
#include "tools/data/textures/texture_set.h"

#include "tools/data/textures/image_file.h"
#include "tools/data/textures/texture_painters.h"

namespace tools::data {
namespace {

constexpr TgaFormat kRaw24{24, false, TgaOrigin::kBottomLeft};
constexpr TgaFormat kRle24TopDown{24, true, TgaOrigin::kTopLeft};
constexpr TgaFormat kRle32{32, true, TgaOrigin::kBottomLeft};
constexpr TgaFormat kRaw32TopDown{32, false, TgaOrigin::kTopLeft};
constexpr TgaFormat kRle24{24, true, TgaOrigin::kBottomLeft};

}  // namespace

const std::vector<TextureFile>& TextureFiles() {
    static const std::vector<TextureFile> files = {
        {"Data\\Textures\\stone.jpg", PaintStone, 256, {}},
        {"Data\\Textures\\bark.tga", PaintBark, 256, kRaw24},
        {"Data\\Textures\\leaves.tga", PaintLeaves, 256, kRle32},
        {"Data\\Textures\\gold.tga", PaintGold, 128, kRle24TopDown},
        {"Data\\Textures\\water.jpg", PaintWater, 256, {}},
        {"Data\\Textures\\ground.jpg", PaintGround, 512, {}},
        {"Data\\Textures\\sky.jpg", PaintSky, 512, {}},
        {"Data\\Textures\\marble.tga", PaintMarble, 256, kRaw32TopDown},
        {"Data\\Textures\\tiles.tga", PaintTiles, 256, kRle24},
    };
    return files;
}

void WriteTextures(ContentFolder& folder) {
    for (const TextureFile& file : TextureFiles()) {
        WriteImage(folder, file.name, file.paint(file.size), file.tga);
    }
}

}  // namespace tools::data
