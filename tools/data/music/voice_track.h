// The spoken caption track: espeak-ng lines placed on one timeline, encoded by lame.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/temp_folder.h"
#include "tools/common/wav.h"
#include "tools/data/content_folder.h"

namespace tools::data {

inline constexpr const char* kVoiceName = "Data\\Voice\\ring4.mp3";

// Speaks `text` with the calm voice, faster if needed so that it lasts at most `seconds`.
Pcm SpeakWithin(const std::string& text, float seconds, const TempFolder& scratch);

// Every caption line starts at its caption's time minus the voice track's start.
Pcm MixVoiceTrack(const TempFolder& scratch);

std::vector<uint8_t> EncodeMp3(const Pcm& pcm, const TempFolder& scratch);

void WriteVoice(ContentFolder& folder);

}  // namespace tools::data
