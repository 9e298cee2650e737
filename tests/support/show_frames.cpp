// Making frames one at a time.
#include "support/show_frames.h"

#include "app/main_loop.h"
#include "platform/audio.h"
#include "render/display.h"
#include "render/frame_stats.h"

namespace testing_support {

void MakeFrame() {
    const uint64_t before = render::display.frameStats.frameCount;
    while (app::LoopPass() && render::display.frameStats.frameCount == before) {
    }
}

std::vector<float> MakeFrames(platform::VirtualClock& clock, int count) {
    std::vector<float> sound;
    for (int frame = 0; frame < count; ++frame) {
        MakeFrame();
        sound.resize(sound.size() + kSoundPerFrame * platform::kAudioChannels);
        platform::MixAudio(sound.data() + sound.size() - kSoundPerFrame * platform::kAudioChannels,
                           kSoundPerFrame);
        clock.Advance(kFrameTicks);
    }
    return sound;
}

}  // namespace testing_support
