// Frame statistics: triangles per frame and per second, frames per second.
#pragma once

#include <cstdint>
#include <string>

namespace render {

struct FrameStats {
    int32_t trianglesThisFrame = 0;
    int32_t triangleTotal = 0;
    uint64_t frameCount = 0;
    float framesPerSecond = 0.0f;
    std::string fpsText;
    std::string trianglesPerSecondText;
};

// Called every 50 frames with the ticks those frames took.
void UpdateFrameStats(int64_t elapsedTicks);

}  // namespace render
