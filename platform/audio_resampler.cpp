// Linear-interpolation rate conversion between a source and the mixer.
#include "platform/audio_resampler.h"

namespace platform {
namespace {
constexpr size_t kChunkFrames = 1024;
}

Resampler::Resampler(std::unique_ptr<AudioSource> source, uint32_t from, uint32_t to)
    : source_(std::move(source)), step_(static_cast<double>(from) / to), buffer_(2 * kChunkFrames) {
    // The first output frame is the source's first frame.
    ended_ = !NextFrame(next_);
}

size_t Resampler::Read(float* out, size_t frames) {
    for (size_t produced = 0; produced < frames; ++produced) {
        while (position_ >= 1.0 && !ended_) {
            previous_ = next_;
            position_ -= 1.0;
            ended_ = !NextFrame(next_);
        }
        // Past the end only the source's last frame itself may still be due.
        if (ended_ && position_ > 0.0) {
            return produced;
        }
        float weight = static_cast<float>(position_);
        out[2 * produced] = previous_[0] + (next_[0] - previous_[0]) * weight;
        out[2 * produced + 1] = previous_[1] + (next_[1] - previous_[1]) * weight;
        position_ += step_;
    }
    return frames;
}

bool Resampler::NextFrame(std::array<float, 2>& frame) {
    if (bufferAt_ == bufferFrames_) {
        bufferFrames_ = source_->Read(buffer_.data(), kChunkFrames);
        bufferAt_ = 0;
        if (bufferFrames_ == 0) {
            return false;
        }
    }
    frame = {buffer_[2 * bufferAt_], buffer_[2 * bufferAt_ + 1]};
    ++bufferAt_;
    return true;
}

}  // namespace platform
