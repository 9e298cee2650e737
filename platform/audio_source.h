// One decoded sound that the audio mixer pulls from: a voice stream or a music module.
#pragma once

#include <cstddef>

namespace platform {

class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Writes up to `frames` interleaved stereo float frames; fewer means the sound has ended.
    virtual size_t Read(float* out, size_t frames) = 0;
};

}  // namespace platform
