// Impulse Tracker (.it) encoding: header, orders, instruments, samples, packed patterns.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/data/music/it_module.h"

namespace tools::data {

constexpr int kItHeaderSize = 0xC0;
constexpr int kItInstrumentSize = 554;
constexpr int kItSampleHeaderSize = 0x50;
constexpr int kItPatternHeaderSize = 8;

// The module as an IT 2.14 file in instrument mode, samples stored as signed 16-bit PCM.
std::vector<uint8_t> EncodeIt(const ItModule& module);

}  // namespace tools::data
