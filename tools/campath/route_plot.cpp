// Drawing the route: keys scaled into the picture, lines between neighbouring keys.
#include "tools/campath/route_plot.h"

#include <algorithm>
#include <cmath>

#include "production/schedule.h"
#include "tools/campath/path_check.h"

namespace tools::campath {
namespace {

using tools::data::Image;
using tools::data::Rgba;

constexpr int kMargin = 20;
const Rgba kBackground{24, 24, 28, 255};
const Rgba kRing{255, 255, 255, 255};

// Ground-plane coordinates to pixels, the whole route fitted with its proportions kept.
class PlotSpace {
public:
    explicit PlotSpace(const std::vector<CameraKey>& keys) {
        for (const CameraKey& key : keys) {
            minX_ = std::min(minX_, key.x);
            maxX_ = std::max(maxX_, key.x);
            minZ_ = std::min(minZ_, key.z);
            maxZ_ = std::max(maxZ_, key.z);
        }
        float extent = std::max({maxX_ - minX_, maxZ_ - minZ_, 1.0f});
        scale_ = static_cast<float>(kPlotSize - 2 * kMargin) / extent;
    }

    int X(const CameraKey& key) const {
        return kMargin + int(std::lround((key.x - minX_) * scale_));
    }
    int Y(const CameraKey& key) const {
        return kMargin + int(std::lround((key.z - minZ_) * scale_));
    }

private:
    float minX_ = INFINITY, maxX_ = -INFINITY, minZ_ = INFINITY, maxZ_ = -INFINITY;
    float scale_ = 1;
};

void Dot(Image& image, int x, int y, int radius, Rgba colour) {
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            int px = x + dx, py = y + dy;
            if (dx * dx + dy * dy <= radius * radius && px >= 0 && py >= 0 && px < image.width() &&
                py < image.height()) {
                image.at(px, py) = colour;
            }
        }
    }
}

void Ring(Image& image, int x, int y, int radius, Rgba colour) {
    for (int step = 0; step < 64; ++step) {
        double angle = step * 2 * M_PI / 64;
        Dot(image, x + int(std::lround(radius * std::cos(angle))),
            y + int(std::lround(radius * std::sin(angle))), 0, colour);
    }
}

void Line(Image& image, int x0, int y0, int x1, int y1, Rgba colour) {
    int steps = std::max({std::abs(x1 - x0), std::abs(y1 - y0), 1});
    for (int i = 0; i <= steps; ++i) {
        Dot(image, x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps, 1, colour);
    }
}

void Legend(Image& image) {
    int width = image.width() / production::kPartCount;
    for (int part = 0; part < production::kPartCount; ++part) {
        for (int y = kPlotSize + 4; y < image.height() - 4; ++y) {
            for (int x = part * width + 2; x < (part + 1) * width - 2; ++x) {
                image.at(x, y) = PartColour(part);
            }
        }
    }
}

}  // namespace

Rgba PartColour(int part) {
    // Hues round the wheel, alternating bright and deep so that neighbours differ.
    double hue = part * 360.0 / production::kPartCount;
    double value = part % 2 == 0 ? 1.0 : 0.7;
    auto channel = [&](double n) {
        double k = std::fmod(n + hue / 60.0, 6.0);
        double level = value - value * std::max(0.0, std::min({k, 4.0 - k, 1.0}));
        return static_cast<uint8_t>(std::lround(255 * level));
    };
    return Rgba{channel(5), channel(3), channel(1), 255};
}

Image PlotRoute(const std::vector<CameraKey>& keys, float jumpLimit) {
    Image image(kPlotSize, kPlotSize + kLegendHeight, kBackground);
    PlotSpace space(keys);
    std::vector<PathJump> jumps = CheckPath(keys, jumpLimit).jumps;
    auto isJump = [&](size_t i) {
        return std::any_of(jumps.begin(), jumps.end(),
                           [&](const PathJump& jump) { return jump.fromKey == i; });
    };
    for (size_t i = 0; i < keys.size(); ++i) {
        Rgba colour = PartColour(PartAtSecond(static_cast<double>(i)));
        int x = space.X(keys[i]), y = space.Y(keys[i]);
        Dot(image, x, y, 2, colour);
        if (i + 1 < keys.size() && !isJump(i)) {
            Line(image, x, y, space.X(keys[i + 1]), space.Y(keys[i + 1]), colour);
        }
    }
    for (int part = 0; part + 1 < production::kPartCount; ++part) {
        size_t key = static_cast<size_t>(std::ceil(PartEndSeconds(part)));
        if (key < keys.size()) {
            Ring(image, space.X(keys[key]), space.Y(keys[key]), 7, kRing);
        }
    }
    Legend(image);
    return image;
}

}  // namespace tools::campath
