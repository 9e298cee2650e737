// One seedable pseudo-random source for the whole engine. The particle systems seed it from
// the calendar time, so each run's fires differ; a fixed seed makes runs repeatable.
#pragma once

#include <cstdint>

namespace platform {

constexpr int kRandomMax = 32767;

void SeedRandom(uint32_t seed);
// Seeds with the calendar time in seconds, unless a fixed seed holds for the run.
void SeedRandomFromTime();
// Seeds with `seed` once and for the whole run: SeedRandomFromTime does nothing after it,
// so the numbers run on unbroken from this seed (offline capture and tests).
void UseFixedRandomSeed(uint32_t seed);
// The next number in 0 .. kRandomMax.
int Random();

}  // namespace platform
