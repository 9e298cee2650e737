// WAV files as the tools write them: the header a player reads, for one channel and two, and
// a mono file read back.
#include <gtest/gtest.h>

#include "tools/common/wav.h"

namespace {

uint32_t Field(const std::vector<uint8_t>& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | bytes[at + i];
    }
    return value;
}

// A frame of 16-bit samples holds one per channel: the byte rate and block alignment follow.
TEST(Wav, HeaderFollowsTheChannelCountAndMonoReadsBack) {
    for (int channels : {1, 2}) {
        tools::data::Pcm pcm;
        pcm.channels = channels;
        pcm.sampleRate = 22050;
        pcm.samples = {0, 1, -1, 32767, -32768, 7};
        std::vector<uint8_t> bytes = tools::data::EncodeWav(pcm);
        ASSERT_EQ(bytes.size(), 44u + 12);
        const std::vector<uint32_t> fields = {
            Field(bytes, 4, 4),  Field(bytes, 16, 4), Field(bytes, 20, 2),
            Field(bytes, 22, 2), Field(bytes, 24, 4), Field(bytes, 28, 4),
            Field(bytes, 32, 2), Field(bytes, 34, 2), Field(bytes, 40, 4)};
        EXPECT_EQ(fields, (std::vector<uint32_t>{48, 16, 1, uint32_t(channels), 22050,
                                                 44100u * channels, 2u * channels, 16, 12}));
        if (channels == 1) {
            EXPECT_EQ(tools::data::DecodeWav(bytes).samples, pcm.samples);
        }
    }
}

}  // namespace
