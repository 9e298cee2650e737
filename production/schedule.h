// The part schedule: fourteen timed parts, each changing what is shown, the fog and the
// camera speed when it begins or ends; the last one ends the program.
#pragma once

#include <cstdint>

namespace production {

constexpr int kPartCount = 14;

extern int partIndex;
extern bool partEntered;
extern int64_t partStartTime;

// Called once per frame with the presentation time in ticks.
void RunSchedule(int64_t t);
// The time in ticks after which `part` ends.
int64_t PartEnd(int part);

}  // namespace production
