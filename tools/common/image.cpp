// Colour helpers and pasting for the generators' RGBA pictures.
#include "tools/common/image.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace tools::data {
namespace {

uint8_t ToByte(float channel) {
    return static_cast<uint8_t>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

Colour Mix(const Colour& from, const Colour& to, float f) {
    return from * (1.0f - f) + to * f;
}

Rgba ToRgba(const Colour& colour) {
    return {ToByte(colour.r), ToByte(colour.g), ToByte(colour.b), ToByte(colour.a)};
}

Image::Image(int width, int height, Rgba fill) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("an image needs a positive width and height");
    }
    pixels_.assign(static_cast<size_t>(width) * height, fill);
}

std::vector<uint8_t> Image::RgbRow(int y) const {
    std::vector<uint8_t> row;
    row.reserve(static_cast<size_t>(width_) * 3);
    for (int x = 0; x < width_; ++x) {
        const Rgba& p = at(x, y);
        row.insert(row.end(), {p.r, p.g, p.b});
    }
    return row;
}

void Image::Paste(const Image& source, int x, int y) {
    for (int sy = 0; sy < source.height(); ++sy) {
        for (int sx = 0; sx < source.width(); ++sx) {
            int tx = x + sx;
            int ty = y + sy;
            if (tx >= 0 && ty >= 0 && tx < width_ && ty < height_) {
                at(tx, ty) = source.at(sx, sy);
            }
        }
    }
}

}  // namespace tools::data
