// One seedable pseudo-random source for the whole engine, so runs can be repeated.
#pragma once

#include <cstdint>

namespace platform {

constexpr int kRandomMax = 32767;

void SeedRandom(uint32_t seed);
// The next number in 0 .. kRandomMax.
int Random();

}  // namespace platform
