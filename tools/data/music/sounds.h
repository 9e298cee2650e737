// The module's six sounds: a sample each and the instrument that plays it.
#pragma once

#include <cstdint>

#include "tools/data/music/it_module.h"

namespace tools::data {

// Instrument numbers as the patterns use them (1-based; sample n belongs to instrument n).
enum Sound : uint8_t {
    kWarmPad = 1,
    kChoirPad,
    kGlassBell,
    kPluck,
    kSubBass,
    kWind,
};

// Synthesises the samples and appends them with their instruments, in Sound order.
void AddSounds(ItModule& module);

}  // namespace tools::data
