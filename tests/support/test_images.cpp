// Image files for tests.
#include "support/test_images.h"

namespace testing_support {

namespace {

void PutU16(std::string& out, uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

}  // namespace

std::string TgaFile(const TgaHeader& h, const std::string& body) {
    std::string out;
    out += static_cast<char>(h.id.size());
    out += static_cast<char>(h.colorMapType);
    out += static_cast<char>(h.type);
    PutU16(out, h.colorMapOrigin);
    PutU16(out, h.colorMapLength);
    out += static_cast<char>(h.colorMapDepth);
    PutU16(out, 0);
    PutU16(out, 0);
    PutU16(out, h.width);
    PutU16(out, h.height);
    out += static_cast<char>(h.depth);
    out += static_cast<char>(h.descriptor);
    return out + h.id + body;
}

std::string RgbaTga(int width, int height, const std::vector<uint8_t>& rgba) {
    TgaHeader header;
    header.depth = 32;
    header.width = static_cast<uint16_t>(width);
    header.height = static_cast<uint16_t>(height);
    std::string body;
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        body += {static_cast<char>(rgba[i + 2]), static_cast<char>(rgba[i + 1]),
                 static_cast<char>(rgba[i]), static_cast<char>(rgba[i + 3])};
    }
    return TgaFile(header, body);
}

std::vector<uint8_t> FontAtlas(const std::function<Rgba8(int glyph)>& cell) {
    std::vector<uint8_t> pixels(256 * 256 * 4);
    for (int fileRow = 0; fileRow < 256; ++fileRow) {
        int glyphRow = (255 - fileRow) / 16;
        for (int x = 0; x < 256; ++x) {
            Rgba8 colour = cell(glyphRow * 16 + x / 16);
            uint8_t* p = &pixels[(static_cast<size_t>(fileRow) * 256 + x) * 4];
            p[0] = colour.r;
            p[1] = colour.g;
            p[2] = colour.b;
            p[3] = colour.a;
        }
    }
    return pixels;
}

std::string SolidWhiteFontTga() {
    return RgbaTga(256, 256, FontAtlas([](int) { return Rgba8{255, 255, 255, 255}; }));
}

}  // namespace testing_support
