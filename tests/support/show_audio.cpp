// Test sound files and measurements of the mix.
#include "support/show_audio.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/audio.h"
#include "tools/common/prerequisites.h"
#include "tools/common/wav.h"
#include "tools/data/music/it_writer.h"

namespace testing_support {
namespace {
constexpr double kTwoPi = 6.283185307179586;

// Two seconds of a 5 kHz tone at 22050 Hz mono, as the show's voice file is made.
void WriteVoiceMp3(const testing_support::TempFolder& folder, const std::string& name) {
    tools::data::Pcm pcm;
    pcm.sampleRate = 22050;
    for (int n = 0; n < 2 * pcm.sampleRate; ++n) {
        pcm.samples.push_back(int16_t(12000 * std::sin(kTwoPi * kVoiceHz * n / pcm.sampleRate)));
    }
    std::vector<uint8_t> wav = tools::data::EncodeWav(pcm);
    folder.Write("voice.wav", std::string(wav.begin(), wav.end()));
    std::filesystem::create_directories(std::filesystem::path(name).parent_path());
    tools::data::RunTool(tools::data::kLame, {"--quiet", "-m", "m", "voice.wav", name});
}

}  // namespace

// A looped sine played at C-5 for one 32-row pattern (about 3.8 seconds).
std::vector<uint8_t> SineModule() {
    tools::data::ItModule module;
    module.channels = 1;
    module.channelPan[0] = 32;
    module.channelVolume[0] = 64;
    tools::data::ItSample sine;
    for (int n = 0; n < 100; ++n) {
        sine.pcm.push_back(int16_t(20000 * std::sin(kTwoPi * n / 100)));
    }
    sine.loop = true;
    sine.loopEnd = 100;
    module.samples.push_back(sine);
    tools::data::ItInstrument instrument;
    instrument.sample = 1;
    module.instruments.push_back(instrument);
    tools::data::ItPattern pattern;
    pattern.rows = 32;
    pattern.cells.resize(32);
    pattern.cells[0].note = 60;
    pattern.cells[0].instrument = 1;
    module.patterns.push_back(pattern);
    module.orders = {0};
    return tools::data::EncodeIt(module);
}

// Power of one frequency in the left channel, scaled so a full-scale sine gives about 1.
double ToneLevel(const std::vector<float>& stereo, double hz) {
    size_t frames = stereo.size() / 2;
    double coefficient = 2.0 * std::cos(kTwoPi * hz / kMixRate);
    double previous = 0.0;
    double earlier = 0.0;
    for (size_t n = 0; n < frames; ++n) {
        double current = stereo[2 * n] + coefficient * previous - earlier;
        earlier = previous;
        previous = current;
    }
    double power = previous * previous + earlier * earlier - coefficient * previous * earlier;
    return 2.0 * std::sqrt(power) / frames;
}

std::vector<float> PullMix(double seconds) {
    std::vector<float> stereo(size_t(seconds * kMixRate) * platform::kAudioChannels, 0.5f);
    platform::MixAudio(stereo.data(), stereo.size() / platform::kAudioChannels);
    return stereo;
}

bool Silent(const std::vector<float>& stereo) {
    return std::all_of(stereo.begin(), stereo.end(), [](float value) { return value == 0.0f; });
}

void WriteShowAudio(const TempFolder& folder) {
    std::vector<uint8_t> module = SineModule();
    folder.Write("Data/Music/buddha.it", std::string(module.begin(), module.end()));
    WriteVoiceMp3(folder, "Data/Voice/ring4.mp3");
}

}  // namespace testing_support
