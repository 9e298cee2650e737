// Box-filter scaling: every source pixel counts for the share of its area that each result
// pixel covers, so a stripe keeps its weight whether the image grows or shrinks.
#include "render/gles/image_scaling.h"

#include <algorithm>
#include <cmath>

namespace render::gles {

namespace {

// How much of source pixel `n` lies between `from` and `to`, in source pixels.
double Overlap(int n, double from, double to) {
    return std::max(0.0, std::min(to, n + 1.0) - std::max(from, static_cast<double>(n)));
}

}  // namespace

int ChannelCount(GLenum format) {
    switch (format) {
        case GL_RGBA:
            return 4;
        case GL_RGB:
            return 3;
        case GL_LUMINANCE_ALPHA:
            return 2;
        case GL_LUMINANCE:
        case GL_ALPHA:
            return 1;
        default:
            return 0;
    }
}

int MipmapSide(int side, int largest) {
    int power = 1;
    while (power * 2 <= side) {
        power *= 2;
    }
    if (side * 2 >= power * 3) {
        power *= 2;
    }
    return std::min(power, std::max(largest, 1));
}

std::vector<unsigned char> ScaleImage(const unsigned char* pixels, int width, int height,
                                      int channels, size_t rowBytes, int newWidth, int newHeight) {
    std::vector<unsigned char> scaled(static_cast<size_t>(newWidth) * newHeight * channels);
    const double stepX = static_cast<double>(width) / newWidth;
    const double stepY = static_cast<double>(height) / newHeight;
    std::vector<double> sum(static_cast<size_t>(channels));
    for (int y = 0; y < newHeight; ++y) {
        const double top = y * stepY, bottom = top + stepY;
        for (int x = 0; x < newWidth; ++x) {
            const double left = x * stepX, right = left + stepX;
            std::fill(sum.begin(), sum.end(), 0.0);
            for (int sy = static_cast<int>(top); sy < height && sy < bottom; ++sy) {
                const double weightY = Overlap(sy, top, bottom);
                const unsigned char* row = pixels + static_cast<size_t>(sy) * rowBytes;
                for (int sx = static_cast<int>(left); sx < width && sx < right; ++sx) {
                    const double weight = weightY * Overlap(sx, left, right);
                    for (int c = 0; c < channels; ++c) {
                        sum[static_cast<size_t>(c)] += weight * row[sx * channels + c];
                    }
                }
            }
            unsigned char* out = &scaled[(static_cast<size_t>(y) * newWidth + x) * channels];
            for (int c = 0; c < channels; ++c) {
                out[c] = static_cast<unsigned char>(
                    std::lround(sum[static_cast<size_t>(c)] / (stepX * stepY)));
            }
        }
    }
    return scaled;
}

}  // namespace render::gles
