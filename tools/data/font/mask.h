// A grey coverage map (0 to 1 per pixel, top row first) that text is drawn into.
#pragma once

#include <cstddef>
#include <vector>

namespace tools::data {

class Mask {
public:
    Mask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    float at(int x, int y) const { return values_[static_cast<size_t>(y) * width_ + x]; }
    // Keeps the larger of the present and the given coverage; outside points are ignored.
    void Cover(int x, int y, float coverage);
    // A soft copy: three box blurs of `radius`, close to a Gaussian.
    Mask Blurred(int radius) const;
    // The bounding rows and columns that hold any coverage; false when empty.
    bool Bounds(int& left, int& top, int& right, int& bottom) const;

private:
    void BoxBlur(int radius, bool horizontal);

    int width_;
    int height_;
    std::vector<float> values_;
};

}  // namespace tools::data
