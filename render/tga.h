// TGA reader: header, 24-bit palettes, raw and run-length pixel data, rows in file order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace render {

struct TgaImage {
    uint8_t idLength = 0;
    uint8_t colorMapType = 0;
    uint8_t imageType = 0;
    uint16_t colorMapOrigin = 0;
    uint16_t colorMapLength = 0;
    uint8_t colorMapDepth = 0;
    uint16_t xOrigin = 0;
    uint16_t yOrigin = 0;
    uint16_t width = 0;
    uint16_t height = 0;
    // Bits per pixel of `pixels`: 8 (grey), 24 (also 16-bit and paletted files) or 32.
    uint8_t depth = 0;
    uint8_t descriptor = 0;
    // Blue, green, red per entry; paletted images only.
    std::vector<uint8_t> palette;
    // Blue, green, red (and alpha at depth 32) per pixel, or one grey byte at depth 8.
    std::vector<uint8_t> pixels;
};

// Larger sides are refused before anything is allocated.
constexpr int kMaxTgaSide = 16384;

// The one image every TGA load reads into.
extern TgaImage tgaImage;

// A cursor over a file's bytes that never reads past the end.
class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    size_t Remaining() const { return size_ - position_; }
    // Copies `count` bytes out, or fails leaving the cursor where it was.
    bool Read(uint8_t* out, size_t count);
    bool Skip(size_t count);
    bool ReadU8(uint8_t& value) { return Read(&value, 1); }
    bool ReadU16(uint16_t& value);

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
};

// Reads `fileName` into `image`. Failures are logged; unsupported variants also show a
// message box.
bool ReadTga(const std::string& fileName, TgaImage& image);

// Fills `output` with width × height pixels from run-length packets: 3 bytes per pixel
// at depth 16 (expanded), else depth / 8. False when the packets run out first.
bool DecodeTgaRle(uint8_t* output, int width, int height, int depth, ByteReader& file);

}  // namespace render
