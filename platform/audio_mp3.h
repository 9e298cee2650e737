// MP3 decoding for the voice stream, through libmpg123.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio_source.h"

namespace platform {

// A source that decodes `bytes` to stereo at `rate`, or null when they hold no MP3 audio.
std::unique_ptr<AudioSource> OpenMp3(const std::vector<uint8_t>& bytes, uint32_t rate);

}  // namespace platform
