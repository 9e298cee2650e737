// Paints the material textures from seeded noise.
#include "tools/data/textures/texture_painters.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "tools/data/textures/noise.h"

namespace tools::data {
namespace {

constexpr float kPi = 3.14159265f;

// Calls `shade` with (u, v) in [0, 1) at each pixel centre, top row first.
Image Paint(int size, const std::function<Colour(float u, float v)>& shade) {
    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            float u = (static_cast<float>(x) + 0.5f) / static_cast<float>(size);
            float v = (static_cast<float>(y) + 0.5f) / static_cast<float>(size);
            image.at(x, y) = ToRgba(shade(u, v));
        }
    }
    return image;
}

// Fractal noise over the unit square with `cells` lattice cells per side.
float Fractal(const Noise& noise, float u, float v, int cells, int octaves) {
    return noise.Fractal(u * cells, v * cells, {cells, cells}, octaves);
}

}  // namespace

Image PaintStone(int size) {
    Noise noise(101);
    return Paint(size, [&](float u, float v) {
        CellDistances cell = noise.Cells(u * 5.0f, v * 5.0f, {5, 5});
        float grain = Fractal(noise, u, v, 8, 5);
        float tint = noise.Hash(static_cast<int>(cell.id % 977), 0, 7);
        Colour dark{0.28f, 0.27f, 0.25f};
        Colour light{0.66f, 0.63f, 0.58f};
        Colour c = Mix(dark, light, grain * 0.8f + tint * 0.25f);
        float joint = Smoothstep(0.02f, 0.09f, cell.second - cell.nearest);
        return c * (0.35f + 0.65f * joint);
    });
}

Image PaintBark(int size) {
    Noise noise(202);
    return Paint(size, [&](float u, float v) {
        float warp = noise.Fractal(u * 4.0f, v * 4.0f, {4, 4}, 3) * 0.25f;
        float ridges = noise.Fractal((u + warp) * 16.0f, v * 2.0f, {16, 2}, 4);
        float groove = std::abs(2.0f * ridges - 1.0f);
        float grain = Fractal(noise, u, v, 32, 2);
        Colour deep{0.12f, 0.08f, 0.05f};
        Colour face{0.45f, 0.34f, 0.24f};
        return Mix(deep, face, Smoothstep(0.05f, 0.6f, groove) * (0.75f + 0.25f * grain));
    });
}

Image PaintLeaves(int size) {
    Noise noise(303);
    constexpr int kCells = 6;
    return Paint(size, [&](float u, float v) {
        // Each lattice cell holds one leaf, turned and placed by its hashes; neighbours
        // are checked too so leaves overlap cell borders and the picture still tiles.
        float x = u * kCells;
        float y = v * kCells;
        Colour result{0.10f, 0.22f, 0.06f, 0.0f};
        float best = 0.0f;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                int cx = static_cast<int>(std::floor(x)) + dx;
                int cy = static_cast<int>(std::floor(y)) + dy;
                int wx = (cx % kCells + kCells) % kCells;
                int wy = (cy % kCells + kCells) % kCells;
                float angle = noise.Hash(wx, wy, 1) * 2.0f * kPi;
                float ox = static_cast<float>(cx) + 0.5f + (noise.Hash(wx, wy, 2) - 0.5f) * 0.6f;
                float oy = static_cast<float>(cy) + 0.5f + (noise.Hash(wx, wy, 3) - 0.5f) * 0.6f;
                // Leaf frame: `along` from stem (0) to tip (1), `across` from the midrib.
                float px = x - ox;
                float py = y - oy;
                float along = (px * std::cos(angle) + py * std::sin(angle)) / 1.3f + 0.5f;
                float across = (-px * std::sin(angle) + py * std::cos(angle)) / 0.45f;
                if (along <= 0.0f || along >= 1.0f) {
                    continue;
                }
                float halfWidth = std::sin(kPi * std::pow(along, 0.8f));
                float inside = halfWidth - std::abs(across);
                if (inside <= 0.0f || along < best) {
                    continue;
                }
                best = along;
                float shade = 0.55f + 0.45f * noise.Hash(wx, wy, 4);
                float vein = Smoothstep(0.0f, 0.12f, std::abs(across)) * 0.25f + 0.75f;
                Colour green{0.22f * shade, (0.42f + 0.2f * along) * shade, 0.08f * shade};
                result = green * (vein * (0.7f + 0.3f * Smoothstep(0.0f, 0.3f, inside)));
                result.a = 1.0f;
            }
        }
        return result;
    });
}

Image PaintGold(int size) {
    Noise noise(404);
    return Paint(size, [&](float u, float v) {
        float swirl = Fractal(noise, u, v, 4, 5);
        float band = 0.5f + 0.5f * std::sin((v + swirl * 0.6f) * 2.0f * kPi * 3.0f);
        Colour amber{0.42f, 0.25f, 0.04f};
        Colour bright{1.0f, 0.86f, 0.46f};
        Colour c = Mix(amber, bright, 0.25f + 0.75f * std::pow(band, 1.5f));
        float glint = Smoothstep(0.9f, 1.0f, band);
        return c + Colour{0.2f, 0.2f, 0.15f, 0.0f} * glint;
    });
}

Image PaintWater(int size) {
    Noise noise(505);
    return Paint(size, [&](float u, float v) {
        float warp = Fractal(noise, u, v, 4, 3);
        CellDistances cell = noise.Cells(u * 6.0f + warp, v * 6.0f + warp, {6, 6});
        float caustic = 1.0f - Smoothstep(0.0f, 0.25f, cell.second - cell.nearest);
        float depth = Fractal(noise, u, v, 8, 4);
        Colour deep{0.02f, 0.12f, 0.22f};
        Colour shallow{0.10f, 0.38f, 0.45f};
        return Mix(deep, shallow, depth) + Colour{0.25f, 0.35f, 0.35f, 0.0f} * (caustic * 0.6f);
    });
}

Image PaintGround(int size) {
    Noise noise(606);
    return Paint(size, [&](float u, float v) {
        float patches = Fractal(noise, u, v, 4, 5);
        float detail = Fractal(noise, u, v, 64, 2);
        Colour earth{0.30f, 0.22f, 0.14f};
        Colour grass{0.20f, 0.34f, 0.11f};
        Colour c = Mix(earth, grass, Smoothstep(0.42f, 0.58f, patches));
        return c * (0.7f + 0.5f * detail);
    });
}

Image PaintSky(int size) {
    Noise noise(707);
    return Paint(size, [&](float u, float v) {
        Colour zenith{0.05f, 0.06f, 0.20f};
        Colour horizon{0.62f, 0.42f, 0.40f};
        Colour c = Mix(zenith, horizon, std::pow(v, 2.2f));
        float clouds = Smoothstep(0.45f, 0.75f, noise.Fractal(u * 3.0f, v * 8.0f, {3, 8}, 5));
        Colour cloud{0.75f, 0.68f, 0.72f};
        return Mix(c, cloud * (0.4f + 0.6f * v), clouds * 0.7f);
    });
}

Image PaintMarble(int size) {
    Noise noise(808);
    return Paint(size, [&](float u, float v) {
        float turbulence = Fractal(noise, u, v, 4, 6);
        float vein = std::abs(std::sin((u + v + turbulence * 1.5f) * 2.0f * kPi * 2.0f));
        Colour stone{0.86f, 0.84f, 0.80f};
        Colour veinColour{0.45f, 0.45f, 0.48f};
        return Mix(veinColour, stone, Smoothstep(0.0f, 0.35f, vein));
    });
}

Image PaintTiles(int size) {
    Noise noise(909);
    constexpr int kTiles = 4;
    return Paint(size, [&](float u, float v) {
        float tx = u * kTiles;
        float ty = v * kTiles;
        float edge = std::min(
            {tx - std::floor(tx), std::ceil(tx) - tx, ty - std::floor(ty), std::ceil(ty) - ty});
        float tint = noise.Hash(static_cast<int>(tx), static_cast<int>(ty), 5);
        float wear = Fractal(noise, u, v, 16, 4);
        Colour tile = Mix(Colour{0.42f, 0.30f, 0.22f}, Colour{0.62f, 0.48f, 0.34f},
                          tint * 0.6f + wear * 0.4f);
        Colour grout{0.15f, 0.13f, 0.12f};
        return Mix(grout, tile, Smoothstep(0.02f, 0.05f, edge));
    });
}

}  // namespace tools::data
