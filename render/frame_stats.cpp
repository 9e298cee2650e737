// Frame-rate and triangle-rate figures, refreshed every 50 frames.
#include "render/frame_stats.h"

#include <cstdint>

#include "console/log.h"
#include "render/display.h"

namespace render {

namespace {

// Truncation as the processor does it: values out of range (an infinite rate after an
// empty measuring window) give INT32_MIN instead of undefined behaviour.
int32_t Truncate(float value) {
    if (!(value > -2147483648.0f && value < 2147483648.0f)) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(value);
}

}  // namespace

void UpdateFrameStats(int64_t elapsedTicks) {
    // 50 frames × 10000 ticks per second; an empty window gives an infinite rate.
    display.frameStats.framesPerSecond =
        static_cast<float>(500000.0 / static_cast<double>(static_cast<uint64_t>(elapsedTicks)));
    display.frameStats.fpsText = console::IntToString(Truncate(display.frameStats.framesPerSecond));
    display.frameStats.trianglesPerSecondText =
        console::IntToString(Truncate(static_cast<float>(display.frameStats.triangleTotal) *
                                      display.frameStats.framesPerSecond * 0.02f));
    display.frameStats.triangleTotal = 0;
}

}  // namespace render
