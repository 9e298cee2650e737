// Sound files for tests and the means to hear them: a voice MP3 of a steady tone, a
// one-pattern sine module, and the hand-pulled mix measured at one frequency.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace testing_support {

constexpr int kMixRate = 44100;
constexpr double kVoiceHz = 5000.0;
constexpr double kMusicHz = 441.0;  // a C-5 sine of 100 samples, played at 44100

// A looped kMusicHz sine played for one 32-row pattern (about 3.8 seconds).
std::vector<uint8_t> SineModule();
// Both files where the show looks for them: the voice two seconds of a kVoiceHz tone at
// 22050 Hz mono, encoded with lame.
void WriteShowAudio(const TempFolder& folder);

// The next `seconds` of the mix, interleaved stereo.
std::vector<float> PullMix(double seconds);
// Power of one frequency in the left channel, scaled so a full-scale sine gives about 1.
double ToneLevel(const std::vector<float>& stereo, double hz);
bool Silent(const std::vector<float>& stereo);

}  // namespace testing_support
