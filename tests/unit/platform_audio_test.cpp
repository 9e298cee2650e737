// The audio layer with real files: an MP3 made by lame and IT modules from the module writer,
// decoded by libmpg123 and libopenmpt, heard through the hand-pulled mix or SDL's dummy driver;
// and nothing of it left for the next test.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/audio.h"
#include "platform/messages.h"
#include "support/process_test.h"
#include "support/show_audio.h"

using namespace platform;

namespace {

using namespace testing_support;

constexpr int kRate = kMixRate;

class AudioTest : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        UseManualAudio(true);
        testing_support::WriteShowAudio(folder);
    }
    // The loading sequence of the show, stopping at the first failure.
    void LoadShowAudio() {
        ASSERT_EQ(BASS_GetVersion(), kAudioVersion);
        ASSERT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
        ASSERT_TRUE(BASS_Start());
        voice = BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0x40000);
        ASSERT_NE(voice, 0u) << BASS_ErrorGetCode();
        music = BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 0, 0x80);
        ASSERT_NE(music, 0u) << BASS_ErrorGetCode();
        EXPECT_NE(voice, music);
        EXPECT_EQ(BASS_ErrorGetCode(), kAudioOk);
    }

    uint32_t voice = 0;
    uint32_t music = 0;
};

TEST_F(AudioTest, TracksSoundOnlyWhilePlayed) {
    LoadShowAudio();
    EXPECT_TRUE(Silent(PullMix(0.5)));
    ASSERT_TRUE(BASS_StreamPlay(voice, false, 0));
    std::vector<float> voiceOnly = PullMix(0.5);
    EXPECT_GT(ToneLevel(voiceOnly, kVoiceHz), 0.1);
    EXPECT_LT(ToneLevel(voiceOnly, kMusicHz), 0.01);
    ASSERT_TRUE(BASS_MusicPlay(music));
    std::vector<float> both = PullMix(0.5);
    EXPECT_GT(ToneLevel(both, kVoiceHz), 0.1);
    EXPECT_GT(ToneLevel(both, kMusicHz), 0.1);
    EXPECT_LE(*std::max_element(both.begin(), both.end()), 1.0f);
    EXPECT_GE(*std::min_element(both.begin(), both.end()), -1.0f);
    PullMix(3.5);  // the voice lasts 2 s, the module under 4 s
    EXPECT_TRUE(Silent(PullMix(0.5)));
}

// Moved on to a position, voice (decoded and rate-converted) and music give what an unbroken
// play gives from there, sample for sample; a position already passed is refused.
TEST_F(AudioTest, ASeekGivesWhatAnUnbrokenPlayGives) {
    LoadShowAudio();
    ASSERT_TRUE(BASS_StreamPlay(voice, false, 0));
    ASSERT_TRUE(BASS_MusicPlay(music));
    const std::vector<float> unbroken = PullMix(3.0);
    // Positions, and where the voice, two seconds long (and the encoder's padding), stands
    // after the seek.
    for (const auto& [at, voiceAt] :
         {std::pair{0.0, 0.0}, std::pair{0.25, 0.25}, std::pair{1.3, 1.3}, std::pair{2.5, 2.0}}) {
        SCOPED_TRACE(at);
        ASSERT_TRUE(BASS_Free());
        LoadShowAudio();
        ASSERT_TRUE(SeekAudio(voice, at));
        ASSERT_TRUE(SeekAudio(music, at));
        EXPECT_NEAR(AudioPosition(voice), voiceAt, 0.1);
        EXPECT_DOUBLE_EQ(AudioPosition(music), at);
        ASSERT_TRUE(BASS_StreamPlay(voice, false, 0));
        ASSERT_TRUE(BASS_MusicPlay(music));
        const std::vector<float> heard = PullMix(0.5);
        EXPECT_TRUE(std::equal(heard.begin(), heard.end(),
                               unbroken.begin() + std::lround(at * kRate) * kAudioChannels));
    }
    EXPECT_FALSE(SeekAudio(music, 1.0));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorParameter);
    EXPECT_LT(AudioPosition(music + voice + 1), 0.0);
}

// Each refused call gives its error code and leaves the mix silent.
TEST_F(AudioTest, RefusedCallsGiveTheirErrorCode) {
    folder.Write("Data/Voice/text.mp3", "this is not audio at all");
    std::vector<uint8_t> module = SineModule();
    // The error code a call leaves where it is refused (false or no handle).
    auto refusal = [](uint32_t result) { return result == 0 ? BASS_ErrorGetCode() : -1; };
    EXPECT_EQ(refusal(BASS_Start()), kAudioErrorNotInitialised);
    EXPECT_EQ(refusal(BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 0, 0)),
              kAudioErrorNotInitialised);
    EXPECT_EQ(refusal(BASS_Init(kAudioDefaultDevice, 0, 0, nullptr)), kAudioErrorParameter);
    ASSERT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioOk);
    EXPECT_EQ(refusal(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr)), kAudioErrorAlready);
    EXPECT_EQ(refusal(BASS_StreamCreateFile(false, "Data\\Voice\\missing.mp3", 0, 0, 0)),
              kAudioErrorFileOpen);
    EXPECT_EQ(refusal(BASS_StreamCreateFile(false, "Data\\Voice\\text.mp3", 0, 0, 0)),
              kAudioErrorFormat);
    EXPECT_EQ(refusal(BASS_MusicLoad(false, "Data\\Voice\\ring4.mp3", 0, 0, 0)), kAudioErrorFormat);
    EXPECT_EQ(refusal(BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 64, 0)),
              kAudioErrorFormat);  // cut off
    EXPECT_EQ(refusal(BASS_MusicLoad(true, module.data(), 0, 0, 0)), kAudioErrorParameter);
    uint32_t stream = BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0);
    ASSERT_NE(stream, 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioOk);
    EXPECT_EQ(refusal(BASS_MusicPlay(stream)), kAudioErrorHandle);
    EXPECT_EQ(refusal(BASS_StreamPlay(stream + 100, false, 0)), kAudioErrorHandle);
    ASSERT_TRUE(BASS_Free());
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioOk);
    EXPECT_EQ(refusal(BASS_Free()), kAudioErrorNotInitialised);
    EXPECT_TRUE(Silent(PullMix(0.1)));
}

// What one test leaves playing or queued is gone for the next: the fixture's reset
// releases the output with its channels and empties the message queue.
TEST_F(AudioTest, NoChannelOrQueuedMessageOutlivesTheReset) {
    LoadShowAudio();
    ASSERT_TRUE(BASS_MusicPlay(music));
    PostMessage(WM_CLOSE, 0, 0);
    ResetProcessState();
    Message message;
    EXPECT_FALSE(PeekMessage(message));
    EXPECT_FALSE(BASS_MusicPlay(music));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNotInitialised);
    UseManualAudio(true);
    ASSERT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_TRUE(Silent(PullMix(0.2)));
    EXPECT_FALSE(BASS_MusicPlay(music));
}

// With no usable driver initialisation fails with its code and nothing else is attempted.
// (The show's run plays through a real device.)
TEST_F(AudioTest, TheDeviceFailsWithoutADriver) {
    UseManualAudio(false);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNoDevice);
    EXPECT_EQ(BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNotInitialised);
    unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
