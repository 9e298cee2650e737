// Additive and plucked synthesis of the module's samples.
#include "tools/data/music/synth.h"

#include <algorithm>
#include <cmath>

#include "platform/random.h"

namespace tools::data {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// Fades the last tenth of a one-shot to zero, so it ends without a click.
void FadeTail(std::vector<float>& samples) {
    size_t fade = samples.size() / 10;
    for (size_t i = 0; i < fade; ++i) {
        samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade);
    }
}

}  // namespace

std::vector<float> SumLoopedPartials(int length, const std::vector<LoopedPartial>& partials) {
    std::vector<double> sum(static_cast<size_t>(length), 0.0);
    for (const LoopedPartial& partial : partials) {
        double step = kTwoPi * partial.cycles / length;
        double wobbleStep = kTwoPi * partial.wobble / length;
        for (int n = 0; n < length; ++n) {
            double wobble = 1.0 - partial.wobbleDepth * 0.5 *
                                      (1.0 - std::cos(wobbleStep * n + partial.wobblePhase));
            sum[n] += partial.amplitude * wobble * std::sin(step * n + partial.phase);
        }
    }
    return std::vector<float>(sum.begin(), sum.end());
}

Wave StrikePartials(double pitch, double seconds, const std::vector<DecayingPartial>& partials) {
    int length = static_cast<int>(seconds * kSynthRate);
    int attack = kSynthRate / 200;
    Wave wave;
    wave.pitch = pitch;
    wave.samples.assign(static_cast<size_t>(length), 0.0f);
    for (int n = 0; n < length; ++n) {
        double t = static_cast<double>(n) / kSynthRate;
        double value = 0.0;
        for (const DecayingPartial& partial : partials) {
            value += partial.amplitude * std::exp(-t / partial.seconds) *
                     std::sin(kTwoPi * pitch * partial.ratio * t);
        }
        wave.samples[n] =
            static_cast<float>(value * std::min(1.0, static_cast<double>(n) / attack));
    }
    FadeTail(wave.samples);
    return wave;
}

Wave PluckString(double pitch, double seconds, double brightness) {
    int period = static_cast<int>(std::lround(kSynthRate / pitch - 0.5));
    std::vector<double> line(static_cast<size_t>(period));
    double smooth = 0.0;
    for (double& value : line) {
        double noise = platform::Random() / static_cast<double>(platform::kRandomMax) * 2.0 - 1.0;
        smooth += (noise - smooth) * brightness;
        value = smooth;
    }
    int length = static_cast<int>(seconds * kSynthRate);
    Wave wave;
    // Averaging neighbours delays the loop by half a sample.
    wave.pitch = kSynthRate / (period + 0.5);
    wave.samples.resize(static_cast<size_t>(length));
    double previous = line.back();
    for (int n = 0; n < length; ++n) {
        double& slot = line[static_cast<size_t>(n % period)];
        double current = slot;
        slot = 0.498 * (current + previous);
        previous = current;
        wave.samples[n] = static_cast<float>(current);
    }
    FadeTail(wave.samples);
    return wave;
}

double RandomPhase() {
    return kTwoPi * platform::Random() / (static_cast<double>(platform::kRandomMax) + 1.0);
}

ItSample ToItSample(const std::string& name, const Wave& wave, double peak) {
    float loudest = 0.0f;
    for (float value : wave.samples) {
        loudest = std::max(loudest, std::fabs(value));
    }
    double scale = loudest > 0.0f ? peak * 32767.0 / loudest : 0.0;
    ItSample sample;
    sample.name = name;
    sample.pcm.reserve(wave.samples.size());
    for (float value : wave.samples) {
        sample.pcm.push_back(static_cast<int16_t>(std::lround(value * scale)));
    }
    sample.c5Speed = static_cast<uint32_t>(std::lround(kSynthRate * kMiddleC / wave.pitch));
    sample.loop = wave.loop;
    sample.loopEnd = wave.loop ? static_cast<uint32_t>(wave.samples.size()) : 0;
    return sample;
}

}  // namespace tools::data
