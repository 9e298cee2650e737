// Computing and uploading the glow gradient.
#include "effects/glow.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "console/log.h"

namespace effects {
namespace {

// The disc fades out at size / 2.2 from the centre, inside the texture's border.
constexpr double kFalloff = 2.2;

// 1 at the centre, falling steeply at first, 0 from size / 2.2 outward.
double Weight(int32_t x, int32_t y, int32_t size) {
    double distance = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y);
    double t = 1.0 - std::pow(distance / size * kFalloff, 0.25);
    return t < 0.0 ? 0.0 : t;
}

// Truncated to a byte; colours outside 0..1 are held at the byte's ends instead of
// wrapping.
uint8_t Channel(float edge, float centre, double t) {
    return static_cast<uint8_t>(std::clamp((edge * (1.0 - t) + centre * t) * 255.0, 0.0, 255.0));
}

}  // namespace

GlowMaker glowMaker;

bool GlowMaker::MakeGlow() {
    return MakeGlowTexture(32, scene::Vector(1, 1, 1, 1), scene::Vector(0, 0, 0, 0));
}

bool GlowMaker::MakeGlowTexture(int32_t size, const scene::Vector& centre,
                                const scene::Vector& edge) {
    if (!target || size < 1) {
        console::Print("Glow texture not made: " +
                       (target ? "size " + console::IntToString(size) + " is below 1"
                               : std::string("no target texture")));
        return false;
    }
    render::Texture& texture = *target;
    texture.name = "TRV Glow";
    texture.depth = 24;
    texture.filterMode = 10;
    texture.SetHeight(size);
    texture.SetWidth(size);
    for (int32_t a = 0; a < size; ++a) {
        for (int32_t b = 0; b < size; ++b) {
            double t = Weight(b - size / 2, a - size / 2, size);
            uint8_t* pixel = &texture.pixels[static_cast<size_t>(a + size * b) * 4];
            pixel[0] = Channel(edge.x, centre.x, t);
            pixel[1] = Channel(edge.y, centre.y, t);
            pixel[2] = Channel(edge.z, centre.z, t);
            pixel[3] = Channel(edge.w, centre.w, t);
        }
    }
    texture.Upload();
    render::Texture::Unbind();
    return true;
}

}  // namespace effects
