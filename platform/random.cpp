// A linear congruential generator with 15-bit results, seeded with 1 at start.
#include "platform/random.h"

#include <ctime>

#include "platform/host.h"

namespace platform {

void SeedRandom(uint32_t seed) {
    host.random.value = seed;
}

void SeedRandomFromTime() {
    if (!host.random.fixed) {
        SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    }
}

void UseFixedRandomSeed(uint32_t seed) {
    SeedRandom(seed);
    host.random.fixed = true;
}

int Random() {
    uint32_t& value = host.random.value;
    value = value * 214013u + 2531011u;
    return static_cast<int>((value >> 16) & kRandomMax);
}

}  // namespace platform
