// The piece as musical data: chords, melodic phrases and which layers play in each section.
#pragma once

#include <array>
#include <vector>

namespace tools::data {

// Notes are spelled as the tracker shows them: "A-4", "F#5"; C-5 is middle C.
int NoteNumber(const char* name);

struct Chord {
    const char* bass;
    std::array<const char*, 3> pad;
    const char* choir;
    std::array<const char*, 4> arpeggio;
};

struct MelodyNote {
    int row;  // within the 64-row pattern
    const char* note;
    int volume;  // 0..64
};

using Phrase = std::vector<MelodyNote>;

struct Section {
    const char* name;
    int patterns;
    std::vector<Chord> chords;    // one per half pattern, repeated as needed
    std::vector<Phrase> phrases;  // one per pattern, repeated; none leaves the bell silent
    bool pad;
    bool choir;
    bool bass;
    bool pluck;
    int windVolume;  // 0 for no wind
};

// The sections in playing order.
const std::vector<Section>& Arrangement();

}  // namespace tools::data
