// Reads and writes the plain PCM subset of RIFF WAVE.
#include "tools/common/wav.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>

namespace tools::data {
namespace {

constexpr size_t kChunkHeader = 8;

uint32_t Get(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes[at + i];
    }
    return value;
}

void Put(std::vector<uint8_t>& out, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

void PutTag(std::vector<uint8_t>& out, const char* tag) {
    // Byte by byte: GCC 12 at -O3 misreads a range insert into a fresh vector as an overflow.
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(tag[i]));
    }
}

bool TagAt(const std::vector<uint8_t>& bytes, size_t at, const char* tag) {
    return at + 4 <= bytes.size() && std::memcmp(bytes.data() + at, tag, 4) == 0;
}

void CheckFormat(const std::vector<uint8_t>& bytes, size_t at, Pcm& pcm) {
    if (Get(bytes, at, 2) != 1 || Get(bytes, at + 2, 2) != 1 || Get(bytes, at + 14, 2) != 16) {
        throw std::runtime_error("WAVE data is not 16-bit mono PCM");
    }
    pcm.sampleRate = static_cast<int>(Get(bytes, at + 4, 4));
}

// Takes the data chunk's samples; a size that runs past the end (a stream whose length
// was never filled in) is cut to what the file holds.
void ReadSamples(const std::vector<uint8_t>& bytes, size_t at, size_t size, Pcm& pcm) {
    size = std::min(size, bytes.size() - at) & ~size_t{1};
    pcm.samples.resize(size / 2);
    for (size_t i = 0; i < pcm.samples.size(); ++i) {
        pcm.samples[i] = static_cast<int16_t>(Get(bytes, at + 2 * i, 2));
    }
}

}  // namespace

Pcm DecodeWav(const std::vector<uint8_t>& bytes) {
    if (!TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVE")) {
        throw std::runtime_error("not a RIFF WAVE file");
    }
    Pcm pcm;
    bool haveFormat = false;
    size_t at = 12;
    while (at + kChunkHeader <= bytes.size()) {
        size_t size = Get(bytes, at + 4, 4);
        size_t body = at + kChunkHeader;
        if (TagAt(bytes, at, "fmt ") && body + 16 <= bytes.size()) {
            CheckFormat(bytes, body, pcm);
            haveFormat = true;
        } else if (TagAt(bytes, at, "data") && haveFormat) {
            ReadSamples(bytes, body, size, pcm);
            return pcm;
        }
        at = body + size + (size & 1);
    }
    throw std::runtime_error("WAVE file without format or data");
}

std::vector<uint8_t> WavHeader(int sampleRate, int channels, uint32_t dataSize) {
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put(out, 36 + dataSize, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2);  // PCM
    Put(out, static_cast<uint32_t>(channels), 2);
    Put(out, static_cast<uint32_t>(sampleRate), 4);
    Put(out, static_cast<uint32_t>(sampleRate * 2 * channels), 4);
    Put(out, static_cast<uint32_t>(2 * channels), 2);
    Put(out, 16, 2);
    PutTag(out, "data");
    Put(out, dataSize, 4);
    return out;
}

std::vector<uint8_t> EncodeWav(const Pcm& pcm) {
    uint32_t dataSize = static_cast<uint32_t>(pcm.samples.size() * 2);
    std::vector<uint8_t> out = WavHeader(pcm.sampleRate, pcm.channels, dataSize);
    for (int16_t sample : pcm.samples) {
        Put(out, static_cast<uint16_t>(sample), 2);
    }
    return out;
}

}  // namespace tools::data
