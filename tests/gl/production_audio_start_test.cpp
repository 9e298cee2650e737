// The show's audio through the real frame loop: silent through part 0, voice and music
// together from the first frame of part 1; a missing voice leaves the show silent.
#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "platform/audio.h"
#include "production/show.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "support/process_test.h"
#include "support/show_audio.h"

namespace {

using testing_support::PullMix;

class AudioStart : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        platform::UseManualAudio(true);
        UseVirtualClock();
    }
    void TearDown() override {
        app::ShutDown();
        platform::UseManualAudio(false);
    }
    // One frame after a tenth of a second, and the mix of that tenth.
    std::vector<float> NextFrame() {
        clock.Advance(1000);
        uint64_t frames = render::display.frameStats.frameCount;
        while (app::LoopPass() && render::display.frameStats.frameCount == frames) {
        }
        return PullMix(0.1);
    }
};

TEST_F(AudioStart, BothTracksStartWithPartOne) {
    testing_support::WriteShowAudio(folder);
    app::StartUp();
    ASSERT_EQ(production::show.audioState, 1);
    int framesInPartOne = 0;
    while (framesInPartOne < 3) {
        std::vector<float> mix = NextFrame();
        if (production::show.audioState < 2) {
            ASSERT_TRUE(testing_support::Silent(mix)) << "sound before part 1";
            continue;
        }
        // The frame that started the audio is the first one drawn in part 1.
        ASSERT_EQ(production::show.partIndex, 1);
        EXPECT_GT(testing_support::ToneLevel(mix, testing_support::kVoiceHz), 0.1);
        EXPECT_GT(testing_support::ToneLevel(mix, testing_support::kMusicHz), 0.1);
        ++framesInPartOne;
    }
    EXPECT_GE(app::run.scheduleTimer.elapsed, 110000);
    EXPECT_LE(app::run.scheduleTimer.elapsed, 115000);
}

TEST_F(AudioStart, MissingVoiceLeavesTheShowSilent) {
    testing_support::WriteShowAudio(folder);
    std::remove("Data/Voice/ring4.mp3");
    app::StartUp();
    EXPECT_EQ(production::show.audioState, 0);
    EXPECT_NE(Log().find("\nCan't load voice file2\n"), std::string::npos);
    for (int frame = 0; frame < 130; ++frame) {
        ASSERT_TRUE(testing_support::Silent(NextFrame()));
    }
    EXPECT_EQ(production::show.partIndex, 1);
}

}  // namespace
