// Writes TGA files of image type 2 (raw) and 10 (run-length), in blue-green-red(-alpha) order.
#include "tools/common/tga_writer.h"

#include <stdexcept>

namespace tools::data {
namespace {

constexpr int kMaxPacket = 128;

void PutWord(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void PutHeader(std::vector<uint8_t>& out, const Image& image, const TgaFormat& format) {
    out.push_back(0);                          // no image ID
    out.push_back(0);                          // no colour map
    out.push_back(format.runLength ? 10 : 2);  // true colour, raw or run-length
    out.insert(out.end(), 5, 0);               // colour-map fields, unused
    PutWord(out, 0);                           // x origin
    PutWord(out, 0);                           // y origin
    PutWord(out, image.width());
    PutWord(out, image.height());
    out.push_back(static_cast<uint8_t>(format.bitsPerPixel));
    uint8_t descriptor = format.bitsPerPixel == 32 ? 8 : 0;  // alpha bits
    if (format.origin == TgaOrigin::kTopLeft) {
        descriptor |= 0x20;
    }
    out.push_back(descriptor);
}

bool SamePixel(const Rgba& a, const Rgba& b, bool alpha) {
    return a.r == b.r && a.g == b.g && a.b == b.b && (!alpha || a.a == b.a);
}

class RowWriter {
public:
    RowWriter(std::vector<uint8_t>& out, bool alpha) : out_(out), alpha_(alpha) {}

    void Pixel(const Rgba& p) {
        out_.push_back(p.b);
        out_.push_back(p.g);
        out_.push_back(p.r);
        if (alpha_) {
            out_.push_back(p.a);
        }
    }

    void Raw(const std::vector<Rgba>& row) {
        for (const Rgba& p : row) {
            Pixel(p);
        }
    }

    // Packets never cross a row, which keeps strict readers happy.
    void RunLength(const std::vector<Rgba>& row) {
        size_t i = 0;
        while (i < row.size()) {
            size_t run = RunFrom(row, i);
            if (run >= 2) {
                out_.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
                Pixel(row[i]);
                i += run;
                continue;
            }
            size_t end = i + 1;
            while (end < row.size() && end - i < kMaxPacket && RunFrom(row, end) < 2) {
                ++end;
            }
            out_.push_back(static_cast<uint8_t>(end - i - 1));
            for (; i < end; ++i) {
                Pixel(row[i]);
            }
        }
    }

private:
    size_t RunFrom(const std::vector<Rgba>& row, size_t start) const {
        size_t end = start + 1;
        while (end < row.size() && end - start < kMaxPacket &&
               SamePixel(row[end], row[start], alpha_)) {
            ++end;
        }
        return end - start;
    }

    std::vector<uint8_t>& out_;
    bool alpha_;
};

}  // namespace

std::vector<uint8_t> EncodeTga(const Image& image, const TgaFormat& format) {
    if (format.bitsPerPixel != 24 && format.bitsPerPixel != 32) {
        throw std::invalid_argument("TGA pixels are 24 or 32 bits");
    }
    if (image.width() > 0xFFFF || image.height() > 0xFFFF) {
        throw std::invalid_argument("TGA sides are at most 65535 pixels");
    }
    std::vector<uint8_t> out;
    PutHeader(out, image, format);
    RowWriter writer(out, format.bitsPerPixel == 32);
    for (int i = 0; i < image.height(); ++i) {
        int y = format.origin == TgaOrigin::kTopLeft ? i : image.height() - 1 - i;
        std::vector<Rgba> row(image.pixels().begin() + static_cast<long>(y) * image.width(),
                              image.pixels().begin() + static_cast<long>(y + 1) * image.width());
        if (format.runLength) {
            writer.RunLength(row);
        } else {
            writer.Raw(row);
        }
    }
    return out;
}

}  // namespace tools::data
