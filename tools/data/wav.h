// 16-bit mono PCM in RIFF WAVE files: what espeak-ng writes and lame reads.
#pragma once

#include <cstdint>
#include <vector>

namespace tools::data {

struct Pcm {
    int sampleRate = 0;
    std::vector<int16_t> samples;

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0.0; }
};

// Throws unless the file is 16-bit PCM with one channel.
Pcm DecodeWav(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> EncodeWav(const Pcm& pcm);

}  // namespace tools::data
