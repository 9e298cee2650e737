// An RGBA picture held top row first, the common currency of every image generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools::data {

struct Rgba {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    uint8_t a = 255;
};

// A colour in floating point, 0 to 1 per channel, for generators that blend and scale.
struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 1.0f;

    Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b, a + o.a}; }
    Colour operator*(float s) const { return {r * s, g * s, b * s, a * s}; }
};

Colour Mix(const Colour& from, const Colour& to, float f);
// Rounds and clamps each channel to a byte.
Rgba ToRgba(const Colour& colour);

class Image {
public:
    Image(int width, int height, Rgba fill = Rgba{});

    int width() const { return width_; }
    int height() const { return height_; }
    // (0, 0) is the top-left pixel.
    Rgba& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const std::vector<Rgba>& pixels() const { return pixels_; }

    // Row `y` as red, green, blue bytes, for encoders that take no alpha.
    std::vector<uint8_t> RgbRow(int y) const;

    // Copies `source` with its top-left corner at (x, y), clipped to this image.
    void Paste(const Image& source, int x, int y);

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

}  // namespace tools::data
