// Runs espeak-ng per caption line, mixes the lines and hands the track to lame.
#include "tools/data/music/voice_track.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/files.h"
#include "tools/common/prerequisites.h"
#include "tools/common/whole_file.h"
#include "tools/data/music/voice_lines.h"

namespace tools::data {
namespace {

// A slow, low, received-pronunciation voice; the rates are words per minute, tried in
// turn until a line fits its caption.
constexpr const char* kVoice = "en-gb-x-rp";
constexpr const char* kPitch = "35";
constexpr int kRates[] = {140, 155, 170, 185};
// Room left at the end of each caption before the next line starts.
constexpr float kBreath = 0.5f;
constexpr float kTail = 1.0f;

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (!platform::ReadFile(path, bytes)) {
        throw std::runtime_error("cannot read " + path);
    }
    return bytes;
}

Pcm Speak(const std::string& text, int rate, const TempFolder& scratch) {
    std::string wav = scratch.File("line.wav");
    RunTool(kEspeak, {"-v", kVoice, "-p", kPitch, "-s", std::to_string(rate), "-w", wav, text});
    return DecodeWav(ReadBytes(wav));
}

}  // namespace

Pcm SpeakWithin(const std::string& text, float seconds, const TempFolder& scratch) {
    for (int rate : kRates) {
        Pcm speech = Speak(text, rate, scratch);
        if (speech.seconds() <= seconds) {
            return speech;
        }
    }
    throw std::runtime_error("the line \"" + text + "\" does not fit in " +
                             std::to_string(seconds) + " s even when spoken fast");
}

Pcm MixVoiceTrack(const TempFolder& scratch) {
    Pcm track;
    std::vector<int32_t> mix;
    for (const VoiceLine& line : VoiceLines()) {
        Pcm speech = SpeakWithin(line.text, line.duration - kBreath, scratch);
        if (track.sampleRate == 0) {
            track.sampleRate = speech.sampleRate;
        } else if (speech.sampleRate != track.sampleRate) {
            throw std::runtime_error("espeak-ng changed its sample rate between lines");
        }
        auto offset = static_cast<size_t>(
            std::lround((line.start - kVoiceTrackStart) * static_cast<float>(track.sampleRate)));
        mix.resize(std::max(mix.size(), offset + speech.samples.size()), 0);
        for (size_t i = 0; i < speech.samples.size(); ++i) {
            mix[offset + i] += speech.samples[i];
        }
    }
    mix.resize(mix.size() + static_cast<size_t>(kTail * static_cast<float>(track.sampleRate)), 0);
    track.samples.reserve(mix.size());
    for (int32_t sample : mix) {
        track.samples.push_back(static_cast<int16_t>(std::clamp(sample, -32768, 32767)));
    }
    return track;
}

std::vector<uint8_t> EncodeMp3(const Pcm& pcm, const TempFolder& scratch) {
    std::string wav = scratch.File("voice.wav");
    std::string mp3 = scratch.File("voice.mp3");
    WriteWholeFile(wav, EncodeWav(pcm));
    // Mono at 48 kbit/s; lame writes no tags with dates, so the bytes repeat run to run.
    RunTool(kLame, {"--quiet", "--noreplaygain", "-m", "m", "-b", "48", wav, mp3});
    return ReadBytes(mp3);
}

void WriteVoice(ContentFolder& folder) {
    RequireTool(kEspeak);
    RequireTool(kLame);
    TempFolder scratch("torvane-data");
    folder.Write(kVoiceName, EncodeMp3(MixVoiceTrack(scratch), scratch));
}

}  // namespace tools::data
