// Lays an ItModule out as an IT file: fixed-size parts first, then the data they point at.
#include "tools/data/music/it_writer.h"

#include <string>

namespace tools::data {
namespace {

constexpr uint16_t kFormatVersion = 0x0214;
constexpr uint8_t kEndOfSong = 255;
constexpr int kEnvelopeNodes = 25;
constexpr uint16_t kFlagStereo = 1;
constexpr uint16_t kFlagInstruments = 4;
constexpr uint16_t kFlagLinearSlides = 8;
constexpr uint8_t kPanDisabled = 128;
constexpr uint8_t kSampleHasData = 1;
constexpr uint8_t kSample16Bit = 2;
constexpr uint8_t kSampleLoop = 16;
constexpr uint8_t kSampleSigned = 1;

class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    void U8(unsigned value) { bytes_.push_back(static_cast<uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8(value >> 8);
    }
    void U32(uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void Magic(const char (&text)[5]) {
        for (int i = 0; i < 4; ++i) {
            U8(static_cast<uint8_t>(text[i]));
        }
    }
    // Fixed-width text, cut or padded with NULs; the last byte is always NUL.
    void Text(const std::string& text, size_t width) {
        for (size_t i = 0; i < width; ++i) {
            U8(i + 1 < width && i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
        }
    }
    void Zeros(size_t count) { bytes_.insert(bytes_.end(), count, 0); }
    void PatchU16(size_t at, unsigned value) {
        bytes_[at] = static_cast<uint8_t>(value & 0xFF);
        bytes_[at + 1] = static_cast<uint8_t>(value >> 8);
    }
    void PatchU32(size_t at, uint32_t value) {
        PatchU16(at, value & 0xFFFF);
        PatchU16(at + 2, value >> 16);
    }
    uint32_t size() const { return static_cast<uint32_t>(bytes_.size()); }

private:
    std::vector<uint8_t>& bytes_;
};

// Where the three offset tables start, right after the order list.
struct OffsetTables {
    uint32_t instruments;
    uint32_t samples;
    uint32_t patterns;
};

OffsetTables WriteHeader(ByteWriter& out, const ItModule& module) {
    out.Magic("IMPM");
    out.Text(module.name, 26);
    out.U8(4);   // row highlight: rows per beat
    out.U8(16);  // rows per measure
    out.U16(static_cast<unsigned>(module.orders.size() + 1));
    out.U16(static_cast<unsigned>(module.instruments.size()));
    out.U16(static_cast<unsigned>(module.samples.size()));
    out.U16(static_cast<unsigned>(module.patterns.size()));
    out.U16(kFormatVersion);  // made with
    out.U16(kFormatVersion);  // compatible with
    out.U16(kFlagStereo | kFlagInstruments | kFlagLinearSlides);
    out.U16(0);  // no message, no edit history, no MIDI configuration
    out.U8(module.globalVolume);
    out.U8(module.mixVolume);
    out.U8(module.initialSpeed);
    out.U8(module.initialTempo);
    out.U8(128);  // full stereo separation
    out.U8(0);    // pitch wheel depth
    out.U16(0);   // message length
    out.U32(0);   // message offset
    out.U32(0);   // reserved
    for (int channel = 0; channel < kItMaxChannels; ++channel) {
        out.U8(channel < module.channels ? module.channelPan[channel] : 32 | kPanDisabled);
    }
    for (int channel = 0; channel < kItMaxChannels; ++channel) {
        out.U8(channel < module.channels ? module.channelVolume[channel] : 64);
    }
    for (uint8_t order : module.orders) {
        out.U8(order);
    }
    out.U8(kEndOfSong);
    OffsetTables tables;
    tables.instruments = out.size();
    tables.samples = tables.instruments + 4 * static_cast<uint32_t>(module.instruments.size());
    tables.patterns = tables.samples + 4 * static_cast<uint32_t>(module.samples.size());
    out.Zeros(4 * (module.instruments.size() + module.samples.size() + module.patterns.size()));
    return tables;
}

// An envelope without nodes is written as the tracker's blank one: flat at `flatValue`.
void WriteEnvelope(ByteWriter& out, const ItEnvelope& envelope, int8_t flatValue) {
    const std::vector<ItEnvelopeNode> flat = {{flatValue, 0}, {flatValue, 100}};
    const std::vector<ItEnvelopeNode>& nodes = envelope.nodes.empty() ? flat : envelope.nodes;
    out.U8((envelope.enabled ? 1 : 0) | (envelope.sustain ? 4 : 0));
    out.U8(static_cast<unsigned>(nodes.size()));
    out.U8(0);  // loop begin
    out.U8(0);  // loop end
    out.U8(envelope.sustainNode);
    out.U8(envelope.sustainNode);
    for (int node = 0; node < kEnvelopeNodes; ++node) {
        ItEnvelopeNode point =
            node < static_cast<int>(nodes.size()) ? nodes[node] : ItEnvelopeNode{0, 0};
        out.U8(static_cast<uint8_t>(point.value));
        out.U16(point.tick);
    }
    out.U8(0);
}

void WriteInstrument(ByteWriter& out, const ItInstrument& instrument) {
    out.Magic("IMPI");
    out.Zeros(12);  // DOS file name
    out.U8(0);
    out.U8(static_cast<unsigned>(instrument.newNoteAction));
    out.U8(0);  // duplicate check off
    out.U8(0);
    out.U16(instrument.fadeOut);
    out.U8(0);   // pitch-pan separation
    out.U8(60);  // pitch-pan centre
    out.U8(instrument.globalVolume);
    out.U8(32 | kPanDisabled);  // the channel's panning applies
    out.U8(0);                  // random volume
    out.U8(0);                  // random panning
    out.U16(kFormatVersion);
    out.U8(1);  // samples used
    out.U8(0);
    out.Text(instrument.name, 26);
    out.U8(0);  // no filter cutoff
    out.U8(0);  // no filter resonance
    out.U8(0);  // no MIDI channel
    out.U8(0xFF);
    out.U16(0xFFFF);
    for (int note = 0; note < kItNoteCount; ++note) {
        out.U8(static_cast<unsigned>(note));
        out.U8(instrument.sample);
    }
    WriteEnvelope(out, instrument.volume, 64);
    WriteEnvelope(out, ItEnvelope{}, 0);  // panning
    WriteEnvelope(out, ItEnvelope{}, 0);  // pitch
    out.Zeros(4);
}

// Returns the position of the sample-data pointer, filled in once the data is placed.
uint32_t WriteSampleHeader(ByteWriter& out, const ItSample& sample) {
    out.Magic("IMPS");
    out.Zeros(12);
    out.U8(0);
    out.U8(sample.globalVolume);
    out.U8(kSampleHasData | kSample16Bit | (sample.loop ? kSampleLoop : 0));
    out.U8(sample.defaultVolume);
    out.Text(sample.name, 26);
    out.U8(kSampleSigned);
    out.U8(32);  // default panning, not used
    out.U32(static_cast<uint32_t>(sample.pcm.size()));
    out.U32(sample.loopBegin);
    out.U32(sample.loopEnd);
    out.U32(sample.c5Speed);
    out.U32(0);  // sustain loop
    out.U32(0);
    uint32_t pointer = out.size();
    out.U32(0);
    out.U8(sample.vibratoSpeed);
    out.U8(sample.vibratoDepth);
    out.U8(sample.vibratoRate);
    out.U8(0);  // sine
    return pointer;
}

void WriteCell(ByteWriter& out, int channel, const ItCell& cell) {
    unsigned mask = (cell.note != kItNoteNone ? 1 : 0) | (cell.instrument ? 2 : 0) |
                    (cell.volume >= 0 ? 4 : 0) | (cell.command ? 8 : 0);
    out.U8((channel + 1) | 0x80);
    out.U8(mask);
    if (mask & 1) {
        out.U8(static_cast<unsigned>(cell.note));
    }
    if (mask & 2) {
        out.U8(cell.instrument);
    }
    if (mask & 4) {
        out.U8(static_cast<unsigned>(cell.volume));
    }
    if (mask & 8) {
        out.U8(cell.command);
        out.U8(cell.parameter);
    }
}

void WritePattern(ByteWriter& out, const ItPattern& pattern, int channels) {
    uint32_t start = out.size();
    out.U16(0);  // packed length, patched below
    out.U16(static_cast<unsigned>(pattern.rows));
    out.U32(0);
    for (int row = 0; row < pattern.rows; ++row) {
        for (int channel = 0; channel < channels; ++channel) {
            const ItCell& cell = pattern.cells[static_cast<size_t>(row * channels + channel)];
            if (!cell.empty()) {
                WriteCell(out, channel, cell);
            }
        }
        out.U8(0);
    }
    out.PatchU16(start, out.size() - start - kItPatternHeaderSize);
}

}  // namespace

std::vector<uint8_t> EncodeIt(const ItModule& module) {
    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    OffsetTables tables = WriteHeader(out, module);
    for (size_t i = 0; i < module.instruments.size(); ++i) {
        out.PatchU32(tables.instruments + 4 * i, out.size());
        WriteInstrument(out, module.instruments[i]);
    }
    std::vector<uint32_t> dataPointers;
    for (size_t i = 0; i < module.samples.size(); ++i) {
        out.PatchU32(tables.samples + 4 * i, out.size());
        dataPointers.push_back(WriteSampleHeader(out, module.samples[i]));
    }
    for (size_t i = 0; i < module.patterns.size(); ++i) {
        out.PatchU32(tables.patterns + 4 * i, out.size());
        WritePattern(out, module.patterns[i], module.channels);
    }
    for (size_t i = 0; i < module.samples.size(); ++i) {
        out.PatchU32(dataPointers[i], out.size());
        for (int16_t value : module.samples[i].pcm) {
            out.U16(static_cast<uint16_t>(value));
        }
    }
    return bytes;
}

}  // namespace tools::data
