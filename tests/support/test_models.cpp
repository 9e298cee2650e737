// The textured box model.
#include "support/test_models.h"

#include "tools/common/png_writer.h"

namespace testing_support {
namespace {

const char* const kBoxObj =
    "mtllib box.mtl\no Box\nv 0 0 0\nv 1 0 0\nv 1 1 0\nv 0 1 0\nv 0 0 -1\nv 1 0 -1\n"
    "v 1 1 -1\nv 0 1 -1\nvt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl Painted box\n"
    "f 1/1 2/2 3/3 4/4\nf 6/1 5/2 8/3 7/4\nf 5/1 1/2 4/3 8/4\nf 2/1 6/2 7/3 3/4\n"
    "f 4/1 3/2 7/3 8/4\nf 5/1 6/2 2/3 1/4\n";
const char* const kBoxMtl = "newmtl Painted box\nKd 0.9 0.8 0.7\nNs 30\nmap_Kd checker.png\n";

// A 2 × 2 checker, red and blue.
std::string CheckerPng() {
    tools::data::Image image(2, 2, {255, 0, 0, 255});
    image.at(1, 0) = image.at(0, 1) = {0, 0, 255, 255};
    std::vector<uint8_t> png = tools::data::EncodePng(image);
    return std::string(png.begin(), png.end());
}

}  // namespace

void WriteTexturedBox(const TempFolder& folder) {
    folder.Write("box.obj", kBoxObj);
    folder.Write("box.mtl", kBoxMtl);
    folder.Write("checker.png", CheckerPng());
}

}  // namespace testing_support
