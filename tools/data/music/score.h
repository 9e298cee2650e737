// Turns the arrangement into the module's channels, patterns and order list.
#pragma once

#include "tools/data/music/it_module.h"

namespace tools::data {

constexpr int kScoreRows = 64;  // rows per pattern: 16 beats, 16 seconds at 60 bpm
constexpr int kRowsPerChord = 32;

// Sets the channel layout and appends one pattern per 64 rows, each played once in order.
void ComposeScore(ItModule& module);

}  // namespace tools::data
