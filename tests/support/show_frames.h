// Frames of the real frame loop made one at a time on a virtual clock, with the sound of each
// frame pulled as the capture tool pulls it.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/clock.h"

namespace testing_support {

// A frame every 0.04 s, the capture tool's default rate, and the stereo frames of its sound.
constexpr int kFrameTicks = 400;
constexpr size_t kSoundPerFrame = 1764;

// Runs loop passes until one has made a frame, at the clock's time as it stands.
void MakeFrame();
// `count` frames, each followed by its sound and a step of `clock`; the sound, in order.
std::vector<float> MakeFrames(platform::VirtualClock& clock, int count);

}  // namespace testing_support
