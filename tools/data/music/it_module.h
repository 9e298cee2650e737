// An Impulse Tracker module held in memory: what the IT writer turns into file bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tools::data {

constexpr int kItMaxChannels = 64;
constexpr int kItNoteCount = 120;  // C-0 .. B-9; C-5 (60) plays a sample at its C5 speed
constexpr int kItNoteOff = 255;
constexpr int kItNoteCut = 254;
constexpr int kItNoteNone = -1;

// Effect letters as the format numbers them: A = 1, B = 2, ...
constexpr uint8_t ItCommand(char letter) {
    return static_cast<uint8_t>(letter - 'A' + 1);
}

enum class ItNewNoteAction : uint8_t { kCut = 0, kContinue = 1, kNoteOff = 2, kNoteFade = 3 };

struct ItEnvelopeNode {
    int8_t value;   // 0..64 for volume
    uint16_t tick;  // ticks from the note's start
};

struct ItEnvelope {
    bool enabled = false;
    bool sustain = false;  // holds at `sustainNode` until note off
    uint8_t sustainNode = 0;
    std::vector<ItEnvelopeNode> nodes;  // at most 25
};

struct ItSample {
    std::string name;            // at most 25 characters
    std::vector<int16_t> pcm;    // mono, signed 16-bit
    uint32_t c5Speed = 44100;    // playback rate of note C-5
    uint8_t globalVolume = 64;   // 0..64
    uint8_t defaultVolume = 64;  // 0..64
    bool loop = false;
    uint32_t loopBegin = 0;
    uint32_t loopEnd = 0;      // one past the last looped sample
    uint8_t vibratoSpeed = 0;  // automatic vibrato, 0..64
    uint8_t vibratoDepth = 0;  // 0..64
    uint8_t vibratoRate = 0;   // sweep, 0..64
};

struct ItInstrument {
    std::string name;    // at most 25 characters
    uint8_t sample = 0;  // 1-based sample number played over the whole keyboard
    ItNewNoteAction newNoteAction = ItNewNoteAction::kCut;
    uint16_t fadeOut = 0;  // 0..256 (IT 2.14 range)
    uint8_t globalVolume = 128;
    ItEnvelope volume;
};

struct ItCell {
    int note = kItNoteNone;  // 0..119, kItNoteOff, kItNoteCut or kItNoteNone
    uint8_t instrument = 0;  // 1-based; 0 for none
    int volume = -1;         // volume column 0..64; -1 for none
    uint8_t command = 0;     // ItCommand letter; 0 for none
    uint8_t parameter = 0;

    bool empty() const {
        return note == kItNoteNone && instrument == 0 && volume < 0 && command == 0;
    }
};

struct ItPattern {
    int rows = 64;              // 32..200
    std::vector<ItCell> cells;  // rows × the module's channel count, row by row
};

struct ItModule {
    std::string name;  // at most 25 characters
    int channels = 8;
    uint8_t initialSpeed = 6;  // ticks per row
    uint8_t initialTempo = 125;
    uint8_t globalVolume = 128;                           // 0..128
    uint8_t mixVolume = 48;                               // 0..128
    std::array<uint8_t, kItMaxChannels> channelPan{};     // 0 (left) .. 64 (right)
    std::array<uint8_t, kItMaxChannels> channelVolume{};  // 0..64
    std::vector<uint8_t> orders;                          // pattern numbers in play order
    std::vector<ItInstrument> instruments;
    std::vector<ItSample> samples;
    std::vector<ItPattern> patterns;
};

}  // namespace tools::data
