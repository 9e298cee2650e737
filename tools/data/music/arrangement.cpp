// A calm piece in A minor with a lydian turn: slow chords, sparse bells, eight sections of
// 32 to 48 seconds each.
#include "tools/data/music/arrangement.h"

namespace tools::data {
namespace {

// bass | pad voices | choir | arpeggio
const Chord kAm9{"A-2", {"G-4", "C-5", "E-5"}, "B-4", {"A-4", "E-5", "B-5", "C-6"}};
const Chord kFmaj7{"F-2", {"A-4", "C-5", "E-5"}, "G-4", {"F-4", "C-5", "E-5", "A-5"}};
const Chord kCadd9{"C-3", {"G-4", "C-5", "D-5"}, "E-4", {"C-5", "G-5", "D-6", "E-6"}};
const Chord kG6{"G-2", {"G-4", "B-4", "E-5"}, "D-5", {"G-4", "D-5", "E-5", "B-5"}};
const Chord kEm7{"E-2", {"G-4", "B-4", "D-5"}, "E-4", {"E-4", "B-4", "D-5", "G-5"}};
const Chord kDm9{"D-3", {"F-4", "A-4", "E-5"}, "C-5", {"D-4", "A-4", "E-5", "F-5"}};
const Chord kEsus4{"E-2", {"A-4", "B-4", "E-5"}, "B-4", {"E-4", "B-4", "E-5", "A-5"}};
const Chord kFlydian{"F-2", {"A-4", "B-4", "E-5"}, "C-5", {"F-4", "C-5", "E-5", "B-5"}};

const Phrase kDawn{{8, "E-6", 36}, {28, "A-5", 30}, {40, "C-6", 34}, {58, "G-5", 28}};
const Phrase kDawnAnswer{{4, "D-6", 32}, {20, "E-6", 36}, {44, "A-5", 30}};
const Phrase kGlass{{0, "A-5", 40},  {6, "C-6", 32},  {8, "D-6", 36},  {16, "E-6", 42},
                    {28, "D-6", 30}, {32, "C-6", 38}, {38, "A-5", 30}, {40, "G-5", 34},
                    {48, "A-5", 38}, {60, "E-5", 28}};
const Phrase kGlassAnswer{{0, "E-6", 40},  {8, "D-6", 32},  {12, "C-6", 30}, {16, "A-5", 38},
                          {32, "G-5", 34}, {40, "A-5", 36}, {44, "E-6", 30}, {52, "D-6", 32}};
const Phrase kHollow{{16, "E-6", 30}, {48, "B-5", 26}};
const Phrase kBloom{{0, "E-6", 42},  {4, "G-6", 34},  {8, "A-6", 40},  {20, "G-6", 32},
                    {24, "E-6", 36}, {32, "D-6", 40}, {36, "E-6", 32}, {40, "C-6", 36},
                    {52, "A-5", 34}, {56, "G-5", 30}};
const Phrase kLumen{{0, "B-5", 38},  {8, "E-6", 34},  {12, "G-6", 32}, {16, "A-6", 40},
                    {32, "G-6", 36}, {40, "D-6", 32}, {44, "E-6", 34}, {48, "B-5", 30}};

}  // namespace

int NoteNumber(const char* name) {
    static const int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    int semitone = kSemitones[name[0] - 'A'] + (name[1] == '#' ? 1 : 0);
    return (name[2] - '0') * 12 + semitone;
}

const std::vector<Section>& Arrangement() {
    static const std::vector<Section> kSections = {
        {"dawn",
         2,
         {kAm9, kFmaj7, kAm9, kEm7},
         {kDawn, kDawnAnswer},
         true,
         false,
         false,
         false,
         40},
        {"drift", 3, {kAm9, kFmaj7, kCadd9, kG6}, {}, true, false, true, true, 24},
        {"glass",
         3,
         {kDm9, kAm9, kFmaj7, kEsus4},
         {kGlass, kGlassAnswer},
         true,
         true,
         true,
         false,
         0},
        {"hollow", 2, {kFlydian, kFlydian, kEm7, kEm7}, {kHollow}, false, true, true, false, 44},
        {"bloom",
         3,
         {kAm9, kFmaj7, kCadd9, kG6, kDm9, kEsus4},
         {kBloom, kGlassAnswer},
         true,
         true,
         true,
         true,
         0},
        {"lumen", 3, {kFlydian, kG6, kEm7, kAm9}, {kLumen, kBloom}, true, true, true, true, 0},
        {"return",
         3,
         {kDm9, kAm9, kFmaj7, kEsus4, kAm9, kAm9},
         {kGlass, kGlassAnswer, kDawn},
         true,
         false,
         true,
         true,
         20},
        {"fade",
         2,
         {kAm9, kFmaj7, kAm9, kAm9},
         {kDawnAnswer, kHollow},
         true,
         true,
         false,
         false,
         36},
    };
    return kSections;
}

}  // namespace tools::data
