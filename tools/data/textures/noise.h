// Seeded, tileable noise for procedural textures: value noise, fractal sums and cells.
#pragma once

#include <cstdint>

namespace tools::data {

// How many lattice cells fit across the texture on each axis; the noise repeats after that,
// so a texture sampled over [0, periodX) x [0, periodY) tiles without seams.
struct Period {
    int x;
    int y;
};

struct CellDistances {
    float nearest;  // distance to the closest feature point, in cells
    float second;   // distance to the next closest
    uint32_t id;    // hash of the closest point's cell, stable per cell
};

class Noise {
public:
    explicit Noise(uint32_t seed) : seed_(seed) {}

    // A well-mixed hash of a lattice point, in [0, 1).
    float Hash(int ix, int iy, uint32_t salt = 0) const;
    // Smoothly interpolated lattice values, in [0, 1].
    float Value(float x, float y, Period period) const;
    // `octaves` layers of Value, each at twice the frequency and `gain` times the weight,
    // normalised back to [0, 1].
    float Fractal(float x, float y, Period period, int octaves, float gain = 0.5f) const;
    // Worley noise: one jittered feature point per lattice cell.
    CellDistances Cells(float x, float y, Period period) const;

private:
    uint32_t Mix(int ix, int iy, uint32_t salt) const;

    uint32_t seed_;
};

float Smoothstep(float edge0, float edge1, float x);

}  // namespace tools::data
