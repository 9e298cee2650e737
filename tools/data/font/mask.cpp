// Coverage maps and their blur, for glow around title text.
#include "tools/data/font/mask.h"

#include <algorithm>

namespace tools::data {

Mask::Mask(int width, int height)
    : width_(width), height_(height), values_(static_cast<size_t>(width) * height, 0.0f) {}

void Mask::Cover(int x, int y, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    float& value = values_[static_cast<size_t>(y) * width_ + x];
    value = std::max(value, coverage);
}

Mask Mask::Blurred(int radius) const {
    Mask result = *this;
    for (int pass = 0; pass < 3; ++pass) {
        result.BoxBlur(radius, true);
        result.BoxBlur(radius, false);
    }
    return result;
}

void Mask::BoxBlur(int radius, bool horizontal) {
    int length = horizontal ? width_ : height_;
    int lines = horizontal ? height_ : width_;
    std::vector<float> line(length);
    auto index = [&](int line, int i) {
        return horizontal ? static_cast<size_t>(line) * width_ + i
                          : static_cast<size_t>(i) * width_ + line;
    };
    float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < length; ++i) {
            line[i] = values_[index(l, i)];
        }
        // Running sum over the window [i - radius, i + radius]; outside counts as 0.
        float sum = 0.0f;
        for (int i = 0; i < std::min(radius, length); ++i) {
            sum += line[i];
        }
        for (int i = 0; i < length; ++i) {
            if (i + radius < length) {
                sum += line[i + radius];
            }
            values_[index(l, i)] = sum * scale;
            if (i - radius >= 0) {
                sum -= line[i - radius];
            }
        }
    }
}

bool Mask::Bounds(int& left, int& top, int& right, int& bottom) const {
    left = width_;
    top = height_;
    right = -1;
    bottom = -1;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y) > 0.0f) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right >= 0;
}

}  // namespace tools::data
