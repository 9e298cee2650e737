// The time base: ticks of 1/10000 s counted from the performance counter.
#pragma once

#include <cstdint>

namespace app {

constexpr int64_t kTicksPerSecond = 10000;

struct Timer {
    int64_t start = 0;
    int64_t elapsed = 0;

    void Start();
    // Ticks since the last Start; Start itself is left alone.
    int64_t Update();
};

// Reads the counter frequency and logs that the timing is ready.
void InitTimer();
// The counter now, in ticks.
int64_t TimeStamp();

}  // namespace app
