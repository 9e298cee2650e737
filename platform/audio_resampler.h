// Rate conversion for sources decoded at their own rate (the voice MP3 is often 22050 Hz).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio_source.h"

namespace platform {

// Plays `source`, recorded at `from` frames a second, at `to`, by linear interpolation.
class Resampler : public AudioSource {
public:
    Resampler(std::unique_ptr<AudioSource> source, uint32_t from, uint32_t to);
    size_t Read(float* out, size_t frames) override;

private:
    bool NextFrame(std::array<float, 2>& frame);

    std::unique_ptr<AudioSource> source_;
    double step_;            // source frames per output frame
    double position_ = 1.0;  // between `previous_` (0) and `next_` (1)
    std::array<float, 2> previous_{};
    std::array<float, 2> next_{};
    bool ended_ = false;
    std::vector<float> buffer_;
    size_t bufferFrames_ = 0;
    size_t bufferAt_ = 0;
};

}  // namespace platform
