// The audio layer with real files: an MP3 made by lame and IT modules from the module writer,
// decoded by libmpg123 and libopenmpt, heard through the hand-pulled mix or SDL's dummy driver.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/audio_resampler.h"
#include "support/process_test.h"
#include "support/show_audio.h"
#include "tools/data/music/it_writer.h"
#include "tools/data/prerequisites.h"
#include "tools/data/wav.h"

using namespace platform;

namespace {

using testing_support::kMusicHz;
using testing_support::kVoiceHz;
using testing_support::Silent;
using testing_support::SineModule;
using testing_support::ToneLevel;
using testing_support::WriteVoiceMp3;

constexpr int kRate = testing_support::kMixRate;

std::vector<float> Pull(double seconds) {
    return testing_support::PullMix(seconds);
}

class AudioTest : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        UseManualAudio(true);
        testing_support::WriteShowAudio(folder);
    }
    void TearDown() override {
        BASS_Free();
        UseManualAudio(false);
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

TEST_F(AudioTest, TracksAreSilentUntilPlayedThenBothSound) {
    LoadShowAudio();
    EXPECT_TRUE(Silent(Pull(0.5)));

    ASSERT_TRUE(BASS_StreamPlay(voice, false, 0));
    std::vector<float> voiceOnly = Pull(0.5);
    EXPECT_GT(ToneLevel(voiceOnly, kVoiceHz), 0.1);
    EXPECT_LT(ToneLevel(voiceOnly, kMusicHz), 0.01);

    ASSERT_TRUE(BASS_MusicPlay(music));
    std::vector<float> both = Pull(0.5);
    EXPECT_GT(ToneLevel(both, kVoiceHz), 0.1);
    EXPECT_GT(ToneLevel(both, kMusicHz), 0.1);
    for (float value : both) {
        ASSERT_LE(std::fabs(value), 1.0f);
    }
}

TEST_F(AudioTest, FinishedTracksFallSilent) {
    LoadShowAudio();
    ASSERT_TRUE(BASS_StreamPlay(voice, false, 0));
    ASSERT_TRUE(BASS_MusicPlay(music));
    Pull(4.5);  // the voice lasts 2 s, the module under 4 s
    EXPECT_TRUE(Silent(Pull(0.5)));
}

TEST_F(AudioTest, MissingVoiceReportsFileOpenAndReleaseTwiceIsHarmless) {
    ASSERT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_EQ(BASS_StreamCreateFile(false, "Data\\Voice\\missing.mp3", 0, 0, 0x40000), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorFileOpen);  // logged as "Can't load voice file2"
    EXPECT_TRUE(BASS_Free());
    EXPECT_FALSE(BASS_Free());
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNotInitialised);
    EXPECT_TRUE(Silent(Pull(0.1)));
    EXPECT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr)) << "usable again after release";
}

TEST_F(AudioTest, DamagedFilesAndWrongHandlesAreRefused) {
    folder.Write("Data/Voice/text.mp3", "this is not audio at all");
    folder.Write("Data/Music/text.it", "neither is this");
    ASSERT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_EQ(BASS_StreamCreateFile(false, "Data\\Voice\\text.mp3", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorFormat);
    EXPECT_EQ(BASS_MusicLoad(false, "Data\\Music\\text.it", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorFormat);
    EXPECT_EQ(BASS_MusicLoad(false, "Data\\Voice\\ring4.mp3", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorFormat);

    uint32_t stream = BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0);
    ASSERT_NE(stream, 0u);
    EXPECT_FALSE(BASS_MusicPlay(stream));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorHandle);
    EXPECT_FALSE(BASS_StreamPlay(0, false, 0));
    EXPECT_FALSE(BASS_StreamPlay(stream + 100, false, 0));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorHandle);
    EXPECT_TRUE(Silent(Pull(0.1)));

    EXPECT_FALSE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorAlready);
}

TEST_F(AudioTest, CallsBeforeInitialisationFailWithoutSideEffects) {
    EXPECT_FALSE(BASS_Start());
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNotInitialised);
    EXPECT_EQ(BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNotInitialised);
    EXPECT_FALSE(BASS_MusicPlay(1));
    EXPECT_FALSE(BASS_Init(0, kRate, 0, nullptr));
    EXPECT_FALSE(BASS_Init(kAudioDefaultDevice, 0, 0, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorParameter);
    EXPECT_FALSE(BASS_Free());
}

TEST_F(AudioTest, ModulesLoadFromMemoryAndByteRanges) {
    ASSERT_TRUE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    std::vector<uint8_t> module = SineModule();
    std::vector<uint8_t> padded(7, 0xEE);
    padded.insert(padded.end(), module.begin(), module.end());
    uint32_t music = BASS_MusicLoad(true, padded.data(), 7, uint32_t(module.size()), 0);
    ASSERT_NE(music, 0u);
    ASSERT_TRUE(BASS_MusicPlay(music));
    EXPECT_GT(ToneLevel(Pull(0.5), kMusicHz), 0.1);

    EXPECT_EQ(BASS_MusicLoad(true, module.data(), 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorParameter);
    EXPECT_EQ(BASS_MusicLoad(false, "Data\\Music\\buddha.it", 1u << 30, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorParameter);
    EXPECT_EQ(BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 64, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorFormat) << "a cut-off module is refused";
}

// SDL's dummy driver stands for a machine with sound: the device opens and plays.
TEST_F(AudioTest, DummyDeviceRunsTheWholeSequence) {
    UseManualAudio(false);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    LoadShowAudio();
    EXPECT_TRUE(BASS_StreamPlay(voice, false, 0));
    EXPECT_TRUE(BASS_MusicPlay(music));
    EXPECT_TRUE(BASS_Free());
    EXPECT_FALSE(BASS_Free());
    unsetenv("SDL_AUDIODRIVER");
}

// No usable driver: initialisation fails with its code and nothing else is attempted.
TEST_F(AudioTest, NoDeviceFailsInitialisation) {
    UseManualAudio(false);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_FALSE(BASS_Init(kAudioDefaultDevice, kRate, 4, nullptr));
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNoDevice);
    EXPECT_EQ(BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0), 0u);
    EXPECT_EQ(BASS_ErrorGetCode(), kAudioErrorNotInitialised);
    EXPECT_FALSE(BASS_Free());
    unsetenv("SDL_AUDIODRIVER");
}

// A ramp: frame i holds (i, -i); handed out in pieces of at most three frames.
class Ramp : public AudioSource {
public:
    explicit Ramp(int frames) : frames_(frames) {}
    size_t Read(float* out, size_t frames) override {
        size_t given = 0;
        for (; given < std::min<size_t>(frames, 3) && next_ < frames_; ++given, ++next_) {
            out[2 * given] = float(next_);
            out[2 * given + 1] = -float(next_);
        }
        return given;
    }

private:
    int frames_;
    int next_ = 0;
};

std::vector<float> Drain(AudioSource& source) {
    std::vector<float> all;
    std::vector<float> piece(2 * 5);
    while (size_t got = source.Read(piece.data(), 5)) {
        all.insert(all.end(), piece.begin(), piece.begin() + 2 * got);
    }
    return all;
}

TEST(AudioResampler, InterpolatesBetweenFramesAndStopsAtTheLast) {
    Resampler up(std::make_unique<Ramp>(10), 22050, 44100);
    std::vector<float> doubled = Drain(up);
    ASSERT_EQ(doubled.size(), 2u * 19);
    for (size_t i = 0; i < 19; ++i) {
        EXPECT_FLOAT_EQ(doubled[2 * i], 0.5f * i);
        EXPECT_FLOAT_EQ(doubled[2 * i + 1], -0.5f * i);
    }
    EXPECT_EQ(Drain(up).size(), 0u) << "an ended source stays ended";

    Resampler down(std::make_unique<Ramp>(10), 44100, 22050);
    std::vector<float> halved = Drain(down);
    ASSERT_EQ(halved.size(), 2u * 5);
    EXPECT_FLOAT_EQ(halved[2 * 4], 8.0f);

    Resampler empty(std::make_unique<Ramp>(0), 22050, 44100);
    EXPECT_EQ(Drain(empty).size(), 0u);
}

}  // namespace
