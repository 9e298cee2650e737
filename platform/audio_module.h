// Tracker-module rendering for the music, through libopenmpt.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/audio_source.h"

namespace platform {

// A source that renders the module in `bytes` at `rate`, once through, or null when
// libopenmpt cannot load it.
std::unique_ptr<AudioSource> OpenModule(const std::vector<uint8_t>& bytes, uint32_t rate);

}  // namespace platform
