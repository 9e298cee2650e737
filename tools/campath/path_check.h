// What a camera path holds measured against the part schedule: its key count, the time it
// can play, and the jumps between neighbouring keys that a viewer would see as cuts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tools/campath/path_file.h"

namespace tools::campath {

// Playback needs three keys beyond the second it shows.
constexpr size_t kKeysPastPlayable = 3;
constexpr float kDefaultJumpLimit = 500.0f;

// The part of the schedule that is running at `second`; the last part past its end.
int PartAtSecond(double second);
// When `part` ends, in seconds.
double PartEndSeconds(int part);
// When the schedule ends, in seconds.
double ScheduleSeconds();

struct PathJump {
    size_t fromKey;  // the jump runs from this key to the next
    float distance;
};

struct PathReport {
    size_t keyCount = 0;
    double playableSeconds = 0;
    double scheduleSeconds = 0;
    std::vector<PathJump> jumps;

    bool LongEnough() const { return playableSeconds >= scheduleSeconds; }
};

PathReport CheckPath(const std::vector<CameraKey>& keys, float jumpLimit);
// Lines for people: counts, lengths and one line per jump with its part.
std::string ReportText(const PathReport& report);

}  // namespace tools::campath
