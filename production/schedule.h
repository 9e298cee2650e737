// The part schedule: fourteen timed parts, each changing what is shown, the fog and the
// camera speed when it begins or ends; the last one ends the program.
#pragma once

#include <cstdint>

namespace production {

constexpr int kPartCount = 14;

// What a part's frames show, as flags of the part table's draw column.
enum PartDraw : unsigned {
    kDrawNothing = 0,
    kDrawLightScene = 1,
    kDrawMainScene = 2,
    kDrawHall = 4,
    kDrawWood = 8,
    kDrawKeyRoom = 16,
    kDrawFires = 32,
};

// Called once per frame with the presentation time in ticks.
void RunSchedule(int64_t t);
// The time in ticks after which `part` ends.
int64_t PartEnd(int part);
// The draw column of `part`; before the first part and after the last, the main scene.
unsigned PartDraws(int part);

}  // namespace production
