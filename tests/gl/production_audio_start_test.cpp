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

// A track that will not start (its handle gone bad) is logged with the library's reason;
// the music's failure also releases the library, so neither track is heard.
struct PlaybackFailure {
    uint32_t production::Show::*handle;
    const char* line;
    bool musicHeard;
};

class PlaybackFails : public AudioStart, public testing::WithParamInterface<PlaybackFailure> {};

TEST_P(PlaybackFails, IsLoggedAndTheOtherTrackPlaysOnUnlessTheLibraryWasReleased) {
    testing_support::WriteShowAudio(folder);
    app::StartUp();
    production::show.*GetParam().handle += 100;
    std::vector<float> mix;
    while (production::show.audioState < 2) {
        mix = NextFrame();
    }
    mix = NextFrame();
    EXPECT_NE(Log().find(std::string("\n") + GetParam().line + "\n"), std::string::npos);
    EXPECT_LT(testing_support::ToneLevel(mix, testing_support::kVoiceHz), 0.01);
    EXPECT_EQ(testing_support::ToneLevel(mix, testing_support::kMusicHz) > 0.1,
              GetParam().musicHeard);
}

INSTANTIATE_TEST_SUITE_P(Tracks, PlaybackFails,
                         testing::Values(PlaybackFailure{&production::Show::voiceStream,
                                                         "Can't play voice file. 5", true},
                                         PlaybackFailure{&production::Show::musicModule,
                                                         "Can't play music the file", false}));

// Without an output device the show is silent, and shutdown's release leaves alone a library
// it did not load (opened here behind its back); loaded audio it releases.
TEST_F(AudioStart, NoDeviceIsLoggedAndOnlyLoadedAudioIsReleased) {
    testing_support::WriteShowAudio(folder);
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
