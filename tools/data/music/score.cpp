// Writes each layer of each section into one long grid of rows, then cuts it into patterns.
#include "tools/data/music/score.h"

#include <array>

#include "tools/data/music/arrangement.h"
#include "tools/data/music/sounds.h"

namespace tools::data {
namespace {

enum Channel {
    kPad1Channel,
    kPad2Channel,
    kPad3Channel,
    kChoirChannel,
    kBassChannel,
    kBellChannel,
    kPluckChannel,
    kWindChannel,
    kEchoChannel,
    kChannelCount,
};

// Panning 0..64 and channel volume 0..64, in Channel order.
constexpr std::array<uint8_t, kChannelCount> kPan = {18, 32, 46, 40, 32, 22, 44, 32, 50};
constexpr std::array<uint8_t, kChannelCount> kVolume = {40, 40, 40, 36, 60, 46, 30, 28, 30};

constexpr int kPadVolume = 48;
constexpr int kChoirVolume = 40;
constexpr int kBassVolume = 56;
constexpr int kEchoDelay = 3;  // rows
// The fade starts 22 seconds before the end and takes five global-volume steps every third
// row, so the show, which stops the music at about 325 s, ends on a half-faded chord.
constexpr int kFadeRows = 88;
constexpr int kFadeStride = 3;
// Eighth notes over one chord: an index into its arpeggio, '.' for a rest.
constexpr const char kArpeggio[] = "0123.21.0231.3.2";

class Grid {
public:
    explicit Grid(int rows) : rows_(rows), cells_(static_cast<size_t>(rows * kChannelCount)) {
        held_.fill(kItNoteNone);
    }

    ItCell& at(int row, int channel) {
        return cells_[static_cast<size_t>(row * kChannelCount + channel)];
    }
    int rows() const { return rows_; }

    // Starts `note` unless the channel already holds it (a held pad note keeps sounding).
    void Play(int row, int channel, Sound sound, int note, int volume) {
        if (held_[channel] == note) {
            return;
        }
        held_[channel] = note;
        ItCell& cell = at(row, channel);
        cell.note = note;
        cell.instrument = sound;
        cell.volume = volume;
    }
    void Release(int row, int channel) {
        if (held_[channel] != kItNoteNone) {
            at(row, channel).note = kItNoteOff;
            held_[channel] = kItNoteNone;
        }
    }
    // One-shot notes: nothing is held.
    void Strike(int row, int channel, Sound sound, int note, int volume) {
        if (row < rows_) {
            ItCell& cell = at(row, channel);
            cell.note = note;
            cell.instrument = sound;
            cell.volume = volume;
        }
    }

private:
    int rows_;
    std::vector<ItCell> cells_;
    std::array<int, kChannelCount> held_;
};

void WriteChord(Grid& grid, int row, const Section& section, const Chord& chord) {
    for (int voice = 0; voice < 3; ++voice) {
        if (section.pad) {
            grid.Play(row, kPad1Channel + voice, kWarmPad, NoteNumber(chord.pad[voice]),
                      kPadVolume);
        } else {
            grid.Release(row, kPad1Channel + voice);
        }
    }
    if (section.choir) {
        grid.Play(row, kChoirChannel, kChoirPad, NoteNumber(chord.choir), kChoirVolume);
    } else {
        grid.Release(row, kChoirChannel);
    }
    if (section.bass) {
        grid.Play(row, kBassChannel, kSubBass, NoteNumber(chord.bass), kBassVolume);
    } else {
        grid.Release(row, kBassChannel);
    }
    if (section.pluck) {
        for (int slot = 0; kArpeggio[slot]; ++slot) {
            if (kArpeggio[slot] != '.') {
                int volume = slot % 4 == 0 ? 40 : 26 + (slot * 5) % 9;
                grid.Strike(row + 2 * slot, kPluckChannel, kPluck,
                            NoteNumber(chord.arpeggio[kArpeggio[slot] - '0']), volume);
            }
        }
    }
}

void WritePhrase(Grid& grid, int patternRow, const Phrase& phrase) {
    for (const MelodyNote& note : phrase) {
        int row = patternRow + note.row;
        grid.Strike(row, kBellChannel, kGlassBell, NoteNumber(note.note), note.volume);
        grid.Strike(row + kEchoDelay, kEchoChannel, kGlassBell, NoteNumber(note.note),
                    note.volume / 2);
    }
}

// Returns the first row after the section.
int WriteSection(Grid& grid, int row, const Section& section) {
    if (section.windVolume > 0) {
        // A wind already blowing only changes its volume.
        grid.Play(row, kWindChannel, kWind, NoteNumber("C-5"), section.windVolume);
        grid.at(row, kWindChannel).volume = section.windVolume;
    } else {
        grid.Release(row, kWindChannel);
    }
    int chords = section.patterns * kScoreRows / kRowsPerChord;
    for (int i = 0; i < chords; ++i) {
        const Chord& chord = section.chords[static_cast<size_t>(i) % section.chords.size()];
        WriteChord(grid, row + i * kRowsPerChord, section, chord);
    }
    for (int i = 0; i < section.patterns && !section.phrases.empty(); ++i) {
        const Phrase& phrase = section.phrases[static_cast<size_t>(i) % section.phrases.size()];
        WritePhrase(grid, row + i * kScoreRows, phrase);
    }
    return row + section.patterns * kScoreRows;
}

void WriteFadeOut(Grid& grid) {
    for (int row = grid.rows() - kFadeRows; row < grid.rows(); row += kFadeStride) {
        ItCell& cell = grid.at(row, kEchoChannel);
        cell.command = ItCommand('W');
        cell.parameter = 0x01;
    }
}

}  // namespace

void ComposeScore(ItModule& module) {
    int patterns = 0;
    for (const Section& section : Arrangement()) {
        patterns += section.patterns;
    }
    Grid grid(patterns * kScoreRows);
    int row = 0;
    for (const Section& section : Arrangement()) {
        row = WriteSection(grid, row, section);
    }
    WriteFadeOut(grid);

    module.channels = kChannelCount;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        module.channelPan[channel] = kPan[channel];
        module.channelVolume[channel] = kVolume[channel];
    }
    for (int pattern = 0; pattern < patterns; ++pattern) {
        ItPattern cut;
        cut.rows = kScoreRows;
        for (int r = 0; r < kScoreRows; ++r) {
            for (int channel = 0; channel < kChannelCount; ++channel) {
                cut.cells.push_back(grid.at(pattern * kScoreRows + r, channel));
            }
        }
        module.orders.push_back(static_cast<uint8_t>(module.patterns.size()));
        module.patterns.push_back(std::move(cut));
    }
}

}  // namespace tools::data
