// The caption lines that the voice speaks, with the times they appear on screen.
#pragma once

#include <vector>

namespace tools::data {

struct VoiceLine {
    float start;     // seconds from the start of the show, when the caption appears
    float duration;  // seconds the caption stays
    const char* text;
};

// The voice track starts with part 1, this many seconds into the show.
constexpr float kVoiceTrackStart = 11.0f;

// Every caption with text, in order.
const std::vector<VoiceLine>& VoiceLines();

}  // namespace tools::data
