// The show's music module, read back and played by libopenmpt.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>

#include "tools/data/music/music.h"

namespace {

void Collect(const char* message, void* user) {
    static_cast<std::vector<std::string>*>(user)->push_back(message);
}

// Loads cleanly as an IT of the show's length, is the same every time, and every
// 16-second pattern sounds until the fade at the end, with nothing reaching full scale.
TEST(MusicModule, IsARepeatableItThatPlaysTheWholeShowWithoutSilenceOrClipping) {
    const std::vector<uint8_t> bytes = tools::data::MakeMusicModule();
    EXPECT_TRUE(tools::data::MakeMusicModule() == bytes);
    EXPECT_LT(bytes.size(), 3u << 20);
    std::vector<std::string> messages;
    openmpt_module* module = openmpt_module_create_from_memory2(
        bytes.data(), bytes.size(), Collect, &messages, openmpt_error_func_ignore, nullptr, nullptr,
        nullptr, nullptr);
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(messages.empty()) << messages.front();
    const char* type = openmpt_module_get_metadata(module, "type");
    EXPECT_STREQ(type, "it");
    openmpt_free_string(type);
    EXPECT_NEAR(openmpt_module_get_duration_seconds(module), 335.0, 5.0);

    constexpr int kRate = 22050;
    constexpr size_t kWindow = 16 * kRate;
    std::vector<float> left(kWindow), right(kWindow);
    float peak = 0.0f;
    std::vector<double> windowLevels;
    while (size_t got = openmpt_module_read_float_stereo(module, kRate, kWindow, left.data(),
                                                         right.data())) {
        double energy = 0.0;
        for (size_t i = 0; i < got; ++i) {
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
            energy += left[i] * left[i] + right[i] * right[i];
        }
        windowLevels.push_back(std::sqrt(energy / (2.0 * got)));
    }
    openmpt_module_destroy(module);
    ASSERT_GE(windowLevels.size(), 21u);
    EXPECT_LT(peak, 0.9f);
    EXPECT_GT(peak, 0.2f);
    for (size_t i = 0; i + 1 < windowLevels.size(); ++i) {
        EXPECT_GT(windowLevels[i], 0.02) << "pattern " << i;
    }
}

}  // namespace
