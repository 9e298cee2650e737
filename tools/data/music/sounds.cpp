// Synthesis recipes of the six sounds and their envelopes: slow swells for the pads and the
// wind, struck decays for the bell and the pluck, a short swell for the bass.
#include "tools/data/music/sounds.h"

#include <cmath>
#include <utility>
#include <vector>

#include "platform/random.h"
#include "tools/data/music/synth.h"

namespace tools::data {
namespace {

constexpr uint32_t kRandomSeed = 0x7A11;
// Pad loops last two seconds: partials that are whole cycles per loop sit 0.5 Hz apart,
// so a voice detuned by one cycle beats slowly against its neighbour.
constexpr int kPadLoop = 2 * kSynthRate;
constexpr int kPadCycles = 523;  // 261.5 Hz over the two-second loop

// Detuned copies of a harmonic series; `level(k)` weighs harmonic k.
template <typename Level>
Wave DetunedPad(const std::vector<int>& detunes, int harmonics, Level level) {
    std::vector<LoopedPartial> partials;
    for (int detune : detunes) {
        for (int k = 1; k <= harmonics; ++k) {
            LoopedPartial partial;
            partial.cycles = k * (kPadCycles + detune);
            partial.amplitude = level(k);
            partial.phase = RandomPhase();
            partial.wobble = 1 + k % 2;
            partial.wobbleDepth = k < 3 ? 0.1 : 0.6;
            partial.wobblePhase = RandomPhase();
            partials.push_back(partial);
        }
    }
    Wave wave;
    wave.samples = SumLoopedPartials(kPadLoop, partials);
    wave.pitch = kPadCycles * static_cast<double>(kSynthRate) / kPadLoop;
    wave.loop = true;
    return wave;
}

Wave WarmPadWave() {
    return DetunedPad({-1, 0, 1}, 16, [](int k) { return 1.0 / std::pow(k, 1.6); });
}

// Vowel-like: harmonics near 700 Hz and 1150 Hz stand out, as in a sung "ah".
Wave ChoirPadWave() {
    auto formant = [](double hz, double centre, double width) {
        double d = (hz - centre) / width;
        return std::exp(-d * d);
    };
    return DetunedPad({-2, -1, 0, 1, 2}, 24, [&](int k) {
        double hz = k * kMiddleC;
        return 0.15 / k + formant(hz, 700, 200) + 0.6 * formant(hz, 1150, 250) +
               0.15 * formant(hz, 2600, 400);
    });
}

Wave GlassBellWave() {
    return StrikePartials(kMiddleC, 4.0,
                          {{1.0, 1.0, 1.6},
                           {2.0, 0.3, 1.0},
                           {3.01, 0.12, 0.6},
                           {4.16, 0.1, 0.35},
                           {5.43, 0.05, 0.22},
                           {6.8, 0.03, 0.15}});
}

Wave SubBassWave() {
    constexpr int kCycles = 100;
    int length = static_cast<int>(std::lround(kCycles * kSynthRate / kMiddleC));
    Wave wave;
    wave.samples =
        SumLoopedPartials(length, {{kCycles, 1.0}, {2 * kCycles, 0.2}, {3 * kCycles, 0.05}});
    wave.pitch = kCycles * static_cast<double>(kSynthRate) / length;
    wave.loop = true;
    return wave;
}

// Noise made of many looped sines between 200 Hz and 3 kHz, each swelling once per loop,
// so the loop point is seamless and the wind gusts.
Wave WindWave() {
    constexpr int kPartials = 260;
    std::vector<LoopedPartial> partials;
    for (int i = 0; i < kPartials; ++i) {
        LoopedPartial partial;
        partial.cycles = 400 + platform::Random() % 5600;
        partial.amplitude = 1.0 / std::sqrt(partial.cycles);
        partial.phase = RandomPhase();
        partial.wobble = 1;
        partial.wobbleDepth = 0.9;
        partial.wobblePhase = RandomPhase();
        partials.push_back(partial);
    }
    Wave wave;
    wave.samples = SumLoopedPartials(kPadLoop, partials);
    wave.loop = true;
    return wave;
}

ItEnvelope Swell(uint16_t attackTicks, uint16_t releaseTicks) {
    ItEnvelope envelope;
    envelope.enabled = true;
    envelope.sustain = true;
    envelope.sustainNode = 1;
    envelope.nodes = {
        {0, 0}, {64, attackTicks}, {0, static_cast<uint16_t>(attackTicks + releaseTicks)}};
    return envelope;
}

struct Recipe {
    const char* name;
    Wave (*wave)();
    double peak;
    ItNewNoteAction newNoteAction;
    ItEnvelope envelope;
};

void Add(ItModule& module, const Recipe& recipe) {
    module.samples.push_back(ToItSample(recipe.name, recipe.wave(), recipe.peak));
    ItInstrument instrument;
    instrument.name = recipe.name;
    instrument.sample = static_cast<uint8_t>(module.samples.size());
    instrument.newNoteAction = recipe.newNoteAction;
    instrument.fadeOut = 16;
    instrument.volume = recipe.envelope;
    module.instruments.push_back(std::move(instrument));
}

}  // namespace

void AddSounds(ItModule& module) {
    platform::SeedRandom(kRandomSeed);
    // At 60 beats a minute and 6 ticks a row, 24 ticks make one second.
    Add(module, {"warm pad", WarmPadWave, 0.9, ItNewNoteAction::kNoteOff, Swell(48, 72)});
    Add(module, {"choir pad", ChoirPadWave, 0.9, ItNewNoteAction::kNoteOff, Swell(72, 96)});
    Add(module, {"glass bell", GlassBellWave, 0.9, ItNewNoteAction::kContinue, ItEnvelope{}});
    Add(module, {"pluck", [] { return PluckString(kMiddleC, 2.0, 0.3); }, 0.9,
                 ItNewNoteAction::kContinue, ItEnvelope{}});
    Add(module, {"sub bass", SubBassWave, 0.9, ItNewNoteAction::kNoteOff, Swell(8, 36)});
    Add(module, {"wind", WindWave, 0.9, ItNewNoteAction::kNoteOff, Swell(96, 120)});
}

}  // namespace tools::data
