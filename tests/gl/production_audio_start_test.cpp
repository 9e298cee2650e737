// The show's audio through the real frame loop: silent through part 0, voice and music
// together from the first frame of part 1; a missing voice or device leaves the show silent,
// a track that will not play says so, and only loaded audio is released.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/main_loop.h"
#include "platform/audio.h"
#include "production/show.h"
#include "production/soundtrack.h"
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
        testing_support::WriteShowAudio(folder);
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

// Silent through part 0; both tracks from the first frame of part 1. A track that will not
// start (its handle spoilt) is logged with the library's reason, and the other plays on unless
// it was the music, whose failure also releases the library.
struct Start {
    uint32_t production::Show::*spoilt;
    const char* line;
    bool voiceHeard, musicHeard;
};

class AudioStarts : public AudioStart, public testing::WithParamInterface<Start> {};

TEST_P(AudioStarts, WithPartOne) {
    app::StartUp();
    ASSERT_EQ(production::show.audioState, 1);
    if (GetParam().spoilt) {
        production::show.*GetParam().spoilt += 100;
    }
    int framesInPartOne = 0;
    while (framesInPartOne < 3) {
        std::vector<float> mix = NextFrame();
        if (production::show.audioState < 2) {
            ASSERT_TRUE(testing_support::Silent(mix)) << "sound before part 1";
            continue;
        }
        // The frame that started the audio is the first one drawn in part 1.
        ASSERT_EQ(production::show.partIndex, 1);
        EXPECT_EQ(testing_support::ToneLevel(mix, testing_support::kVoiceHz) > 0.1,
                  GetParam().voiceHeard);
        EXPECT_EQ(testing_support::ToneLevel(mix, testing_support::kMusicHz) > 0.1,
                  GetParam().musicHeard);
        ++framesInPartOne;
    }
    EXPECT_GE(app::run.scheduleTimer.elapsed, 110000);
    EXPECT_LE(app::run.scheduleTimer.elapsed, 115000);
    EXPECT_EQ(Log().find("Can't play") != std::string::npos, GetParam().spoilt != nullptr);
    EXPECT_NE(Log().find(GetParam().line), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Tracks, AudioStarts,
                         testing::Values(Start{nullptr, "", true, true},
                                         Start{&production::Show::voiceStream,
                                               "\nCan't play voice file. 5\n", false, true},
                                         Start{&production::Show::musicModule,
                                               "\nCan't play music the file\n", false, false}));

TEST_F(AudioStart, MissingVoiceLeavesTheShowSilent) {
    std::remove("Data/Voice/ring4.mp3");
    app::StartUp();
    EXPECT_EQ(production::show.audioState, 0);
    EXPECT_NE(Log().find("\nCan't load voice file2\n"), std::string::npos);
    for (int frame = 0; frame < 130; ++frame) {
        ASSERT_TRUE(testing_support::Silent(NextFrame()));
    }
    EXPECT_EQ(production::show.partIndex, 1);
}

// Without an output device the show is silent, and shutdown's release leaves alone a library
// it did not load (opened here behind its back); loaded audio it releases.
TEST_F(AudioStart, NoDeviceIsLoggedAndOnlyLoadedAudioIsReleased) {
    platform::UseManualAudio(false);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    app::StartUp();
    unsetenv("SDL_AUDIODRIVER");
    EXPECT_EQ(production::show.audioState, 0);
    EXPECT_NE(Log().find("\nCan't initialize device\n"), std::string::npos);
    platform::UseManualAudio(true);
    for (int audioState : {0, 1}) {
        ASSERT_TRUE(platform::BASS_Init(platform::kAudioDefaultDevice, 44100, 0, nullptr));
        production::show.audioState = audioState;
        production::ReleaseAudio();
        EXPECT_EQ(platform::BASS_Free(), audioState == 0) << "audio state " << audioState;
    }
}

}  // namespace
