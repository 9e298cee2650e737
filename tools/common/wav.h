// 16-bit PCM in RIFF WAVE files: what espeak-ng writes and lame reads (mono), and the
// soundtrack the capture writes (stereo).
#pragma once

#include <cstdint>
#include <vector>

namespace tools::data {

struct Pcm {
    int sampleRate = 0;
    // Interleaved when there are two.
    int channels = 1;
    std::vector<int16_t> samples;

    double seconds() const {
        return sampleRate ? double(samples.size()) / (double(sampleRate) * channels) : 0.0;
    }
};

// Throws unless the file is 16-bit PCM with one channel.
Pcm DecodeWav(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> EncodeWav(const Pcm& pcm);
// The 44 bytes that precede `dataSize` bytes of 16-bit samples.
std::vector<uint8_t> WavHeader(int sampleRate, int channels, uint32_t dataSize);

}  // namespace tools::data
