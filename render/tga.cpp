// TGA reader: every supported type and depth decoded into blue-green-red(-alpha) bytes.
#include "render/tga.h"

#include <cstring>

#include "console/log.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace render {

TgaImage tgaImage;

bool ByteReader::Read(uint8_t* out, size_t count) {
    if (count > Remaining()) {
        return false;
    }
    if (count == 0) {
        return true;
    }
    std::memcpy(out, data_ + position_, count);
    position_ += count;
    return true;
}

bool ByteReader::Skip(size_t count) {
    if (count > Remaining()) {
        return false;
    }
    position_ += count;
    return true;
}

bool ByteReader::ReadU16(uint16_t& value) {
    uint8_t bytes[2];
    if (!Read(bytes, 2)) {
        return false;
    }
    value = static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
    return true;
}

namespace {

constexpr char kFileNotFound[] = "\xcd\xe5 \xed\xe0\xe9\xe4\xe5\xed \xf4\xe0\xe9\xeb";

// An unsupported variant: the message box alone tells it.
bool Refuse(const char* message) {
    platform::MessageBox(message, "TGA", platform::MB_OK);
    return false;
}

bool Fail(const std::string& fileName, const std::string& reason) {
    console::Print("TGA: " + fileName + ": " + reason);
    return false;
}

bool ReadHeader(ByteReader& file, TgaImage& image) {
    return file.ReadU8(image.idLength) && file.ReadU8(image.colorMapType) &&
           file.ReadU8(image.imageType) && file.ReadU16(image.colorMapOrigin) &&
           file.ReadU16(image.colorMapLength) && file.ReadU8(image.colorMapDepth) &&
           file.ReadU16(image.xOrigin) && file.ReadU16(image.yOrigin) &&
           file.ReadU16(image.width) && file.ReadU16(image.height) && file.ReadU8(image.depth) &&
           file.ReadU8(image.descriptor);
}

bool IsPaletted(uint8_t type) {
    return type == 1 || type == 9;
}
bool IsRunLength(uint8_t type) {
    return type >= 9;
}

// Whether the reader handles this pairing of pixel depth and image type.
bool Supported(uint8_t depth, uint8_t type) {
    bool trueColour = type == 2 || type == 10;
    return depth == 8 ? !trueColour : trueColour;
}

// Copies one pixel value of `fileBytes` bytes; a 16-bit word becomes 3 bytes with the
// low bits zero.
void PutPixel(const uint8_t* value, int fileBytes, uint8_t* out) {
    if (fileBytes != 2) {
        std::memcpy(out, value, static_cast<size_t>(fileBytes));
        return;
    }
    unsigned word = value[0] | (value[1] << 8);
    out[0] = static_cast<uint8_t>((word & 0x1F) << 3);
    out[1] = static_cast<uint8_t>(((word >> 5) & 0x1F) << 3);
    out[2] = static_cast<uint8_t>(((word >> 10) & 0x1F) << 3);
}

int DecodedBytes(int fileBytes) {
    return fileBytes == 2 ? 3 : fileBytes;
}

bool DecodeRaw(uint8_t* output, size_t count, int fileBytes, ByteReader& file) {
    // Only 16-bit words change size; every other depth is stored as it is read.
    if (fileBytes != 2) {
        return file.Read(output, count * static_cast<size_t>(fileBytes));
    }
    uint8_t value[4];
    int outBytes = DecodedBytes(fileBytes);
    for (size_t i = 0; i < count; ++i) {
        if (!file.Read(value, static_cast<size_t>(fileBytes))) {
            return false;
        }
        PutPixel(value, fileBytes, output + i * static_cast<size_t>(outBytes));
    }
    return true;
}

// The fewest file bytes that can hold `count` pixels, so that a short file is refused
// before its claimed size is allocated.
size_t MinimumDataBytes(size_t count, int fileBytes, bool runLength) {
    if (!runLength) {
        return count * static_cast<size_t>(fileBytes);
    }
    return (count + 127) / 128 * (1 + static_cast<size_t>(fileBytes));
}

// Each index becomes its palette entry's 3 bytes; an index past the palette is black.
std::vector<uint8_t> ExpandPalette(const std::vector<uint8_t>& indices,
                                   const std::vector<uint8_t>& palette) {
    std::vector<uint8_t> out(indices.size() * 3, 0);
    size_t entries = palette.size() / 3;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (indices[i] < entries) {
            std::memcpy(&out[i * 3], &palette[indices[i] * 3u], 3);
        }
    }
    return out;
}

bool ReadPalette(const std::string& fileName, ByteReader& file, TgaImage& image) {
    if (image.colorMapType != 1 || image.colorMapDepth != 24) {
        return Refuse("Only 24bit paletted images are supported.");
    }
    image.palette.assign(static_cast<size_t>(image.colorMapLength) * 3, 0);
    if (!file.Read(image.palette.data(), image.palette.size())) {
        return Fail(fileName, "the file ends inside the palette");
    }
    return true;
}

bool ReadPixels(const std::string& fileName, ByteReader& file, TgaImage& image) {
    if (image.width == 0 || image.height == 0) {
        return Fail(fileName, "the image has no pixels");
    }
    if (image.width > kMaxTgaSide || image.height > kMaxTgaSide) {
        return Fail(fileName, "the image is larger than " + console::IntToString(kMaxTgaSide) +
                                  " pixels on a side");
    }
    int fileBytes = image.depth / 8;
    bool runLength = IsRunLength(image.imageType);
    size_t count = static_cast<size_t>(image.width) * image.height;
    if (file.Remaining() < MinimumDataBytes(count, fileBytes, runLength)) {
        return Fail(fileName, "the file is too short for its size");
    }
    image.pixels.assign(count * static_cast<size_t>(DecodedBytes(fileBytes)), 0);
    bool complete =
        runLength ? DecodeTgaRle(image.pixels.data(), image.width, image.height, image.depth, file)
                  : DecodeRaw(image.pixels.data(), count, fileBytes, file);
    if (!complete) {
        return Fail(fileName, "the pixel data ends early");
    }
    if (IsPaletted(image.imageType)) {
        image.pixels = ExpandPalette(image.pixels, image.palette);
    }
    if (image.depth == 16 || IsPaletted(image.imageType)) {
        image.depth = 24;
    }
    return true;
}

bool Decode(const std::string& fileName, ByteReader& file, TgaImage& image) {
    if (!ReadHeader(file, image)) {
        return Fail(fileName, "the file ends inside the header");
    }
    if (!file.Skip(image.idLength)) {
        return Fail(fileName, "the file ends inside the image ID");
    }
    switch (image.imageType) {
        case 1:
        case 9:
            if (!ReadPalette(fileName, file, image)) {
                return false;
            }
            break;
        case 2:
        case 3:
        case 10:
        case 11:
            break;
        default:
            return Refuse("Unsupported image type.");
    }
    if (image.depth != 8 && image.depth != 16 && image.depth != 24 && image.depth != 32) {
        return Refuse("Unsupported image depth.");
    }
    // A depth that does not come with the image type fails without a word.
    if (!Supported(image.depth, image.imageType)) {
        return false;
    }
    return ReadPixels(fileName, file, image);
}

}  // namespace

bool ReadTga(const std::string& fileName, TgaImage& image) {
    std::vector<uint8_t> bytes;
    if (!platform::ReadFile(fileName, bytes)) {
        console::Print(kFileNotFound);
        return false;
    }
    image = TgaImage();
    ByteReader file(bytes.data(), bytes.size());
    return Decode(fileName, file, image);
}

bool DecodeTgaRle(uint8_t* output, int width, int height, int depth, ByteReader& file) {
    int fileBytes = depth / 8;
    size_t outBytes = static_cast<size_t>(DecodedBytes(fileBytes));
    size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    uint8_t value[4];
    for (size_t done = 0; done < count;) {
        uint8_t packet;
        if (!file.ReadU8(packet)) {
            return false;
        }
        size_t run = (packet & 0x7Fu) + 1;
        bool repeated = (packet & 0x80) != 0;
        for (size_t i = 0; i < run && done < count; ++i, ++done) {
            if ((i == 0 || !repeated) && !file.Read(value, static_cast<size_t>(fileBytes))) {
                return false;
            }
            PutPixel(value, fileBytes, output + done * outBytes);
        }
    }
    return true;
}

}  // namespace render
