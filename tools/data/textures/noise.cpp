// Integer-hash lattice noise, so every platform and run produces the same textures.
#include "tools/data/textures/noise.h"

#include <algorithm>
#include <cmath>

namespace tools::data {
namespace {

int Wrap(int i, int period) {
    int m = i % period;
    return m < 0 ? m + period : m;
}

float Fade(float t) {
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace

uint32_t Noise::Mix(int ix, int iy, uint32_t salt) const {
    uint32_t h = seed_ ^ (static_cast<uint32_t>(ix) * 0x8DA6B343u) ^
                 (static_cast<uint32_t>(iy) * 0xD8163841u) ^ (salt * 0xCB1AB31Fu);
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Noise::Hash(int ix, int iy, uint32_t salt) const {
    return static_cast<float>(Mix(ix, iy, salt) >> 8) / 16777216.0f;
}

float Noise::Value(float x, float y, Period period) const {
    int x0 = static_cast<int>(std::floor(x));
    int y0 = static_cast<int>(std::floor(y));
    float fx = Fade(x - static_cast<float>(x0));
    float fy = Fade(y - static_cast<float>(y0));
    auto at = [&](int dx, int dy) {
        return Hash(Wrap(x0 + dx, period.x), Wrap(y0 + dy, period.y));
    };
    float top = at(0, 0) + (at(1, 0) - at(0, 0)) * fx;
    float bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * fx;
    return top + (bottom - top) * fy;
}

float Noise::Fractal(float x, float y, Period period, int octaves, float gain) const {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += Value(x, y, period) * weight;
        total += weight;
        weight *= gain;
        x *= 2.0f;
        y *= 2.0f;
        period = {period.x * 2, period.y * 2};
    }
    return sum / total;
}

CellDistances Noise::Cells(float x, float y, Period period) const {
    int cx = static_cast<int>(std::floor(x));
    int cy = static_cast<int>(std::floor(y));
    CellDistances result{1e9f, 1e9f, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            int ix = Wrap(cx + dx, period.x);
            int iy = Wrap(cy + dy, period.y);
            float px = static_cast<float>(cx + dx) + Hash(ix, iy, 1);
            float py = static_cast<float>(cy + dy) + Hash(ix, iy, 2);
            float d = std::hypot(px - x, py - y);
            if (d < result.nearest) {
                result.second = result.nearest;
                result.nearest = d;
                result.id = Mix(ix, iy, 3);
            } else if (d < result.second) {
                result.second = d;
            }
        }
    }
    return result;
}

float Smoothstep(float edge0, float edge1, float x) {
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace tools::data
