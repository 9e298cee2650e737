// WAV files as the tools write them: the header a player reads, for one channel and two, and
// a mono file read back.
#include <gtest/gtest.h>

#include "tools/common/wav.h"

namespace {

// The header's numbers after "RIFF" and "WAVEfmt ": sizes, format, channels, rates, block
// alignment, sample bits, data size. A frame holds one 16-bit sample per channel.
TEST(Wav, HeaderFollowsTheChannelCountAndMonoReadsBack) {
    for (uint32_t channels : {1, 2}) {
        tools::data::Pcm pcm{22050, int(channels), {0, 1, -1, 32767, -32768, 7}};
        std::vector<uint8_t> bytes = tools::data::EncodeWav(pcm);
        auto field = [&bytes](size_t at, int size) {
            uint32_t value = 0;
            for (int i = size - 1; i >= 0; --i) {
                value = value << 8 | bytes[at + i];
            }
            return value;
        };
        const std::vector<uint32_t> fields = {field(4, 4),  field(16, 4), field(20, 2),
                                              field(22, 2), field(24, 4), field(28, 4),
                                              field(32, 2), field(34, 2), field(40, 4)};
        EXPECT_EQ(fields, (std::vector<uint32_t>{48, 16, 1, channels, 22050, 44100 * channels,
                                                 2 * channels, 16, 12}));
        EXPECT_EQ(bytes.size(), 56u);
        if (channels == 1) {
            EXPECT_EQ(tools::data::DecodeWav(bytes).samples, pcm.samples);
        }
    }
}

}  // namespace
