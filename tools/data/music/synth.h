// Building blocks of the module's synthesised samples: additive loops, decays, plucked strings.
#pragma once

#include <string>
#include <vector>

#include "tools/data/music/it_module.h"

namespace tools::data {

constexpr int kSynthRate = 44100;
constexpr double kMiddleC = 261.6255653;  // the pitch that note C-5 is tuned to

// A waveform in floating point with the frequency of its fundamental.
struct Wave {
    std::vector<float> samples;
    double pitch = kMiddleC;
    bool loop = false;  // loops over the whole wave
};

// One sine of a looped additive sound. Frequencies are whole cycles per loop, so every
// partial meets itself at the loop point; `wobble` fades the partial in and out by
// `wobbleDepth` (0..1) a whole number of times per loop.
struct LoopedPartial {
    int cycles = 1;
    double amplitude = 1.0;
    double phase = 0.0;  // radians
    int wobble = 0;
    double wobbleDepth = 0.0;
    double wobblePhase = 0.0;
};

std::vector<float> SumLoopedPartials(int length, const std::vector<LoopedPartial>& partials);

// A sine decaying exponentially, for struck sounds.
struct DecayingPartial {
    double ratio;  // of the fundamental
    double amplitude;
    double seconds;  // time to fall to 1/e
};

// Sums the partials of a struck sound at `pitch` over `seconds`, with a short attack.
// One-shots (this and PluckString) fade to zero over their last tenth.
Wave StrikePartials(double pitch, double seconds, const std::vector<DecayingPartial>& partials);

// A plucked string: a delay line of noise averaged on each pass (Karplus-Strong),
// softened by `brightness` (0..1) and lasting `seconds`.
Wave PluckString(double pitch, double seconds, double brightness);

// A phase in [0, 2π) drawn from the engine's seedable random source.
double RandomPhase();

// Scales the wave to `peak` of full scale and stores it as a 16-bit sample tuned to C-5.
ItSample ToItSample(const std::string& name, const Wave& wave, double peak);

}  // namespace tools::data
