// The show's music module and the IT writer under it, read back and played by libopenmpt.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tools/data/music/arrangement.h"
#include "tools/data/music/it_writer.h"
#include "tools/data/music/music.h"
#include "tools/data/music/sounds.h"

namespace {

struct Loaded {
    openmpt_module* module = nullptr;
    std::vector<std::string> messages;  // everything libopenmpt logged while loading
    ~Loaded() { openmpt_module_destroy(module); }
};

// libopenmpt's strings are the caller's to free.
std::string Take(const char* text) {
    std::string copy = text ? text : "";
    openmpt_free_string(text);
    return copy;
}

void Collect(const char* message, void* user) {
    static_cast<std::vector<std::string>*>(user)->push_back(message);
}

void Load(const std::vector<uint8_t>& bytes, Loaded& loaded) {
    int error = 0;
    loaded.module = openmpt_module_create_from_memory2(bytes.data(), bytes.size(), Collect,
                                                       &loaded.messages, openmpt_error_func_ignore,
                                                       nullptr, &error, nullptr, nullptr);
}

const std::vector<uint8_t>& Music() {
    static const std::vector<uint8_t> bytes = tools::data::MakeMusicModule();
    return bytes;
}

TEST(MusicModule, LoadsCleanlyAsAnItOfTheShowsLength) {
    Loaded loaded;
    Load(Music(), loaded);
    ASSERT_NE(loaded.module, nullptr);
    EXPECT_TRUE(loaded.messages.empty()) << loaded.messages.front();
    EXPECT_EQ(Take(openmpt_module_get_metadata(loaded.module, "type")), "it");
    double seconds = openmpt_module_get_duration_seconds(loaded.module);
    EXPECT_GE(seconds, 330.0);
    EXPECT_LE(seconds, 340.0);
    EXPECT_LT(Music().size(), 3u << 20);
}

TEST(MusicModule, SameBytesEveryTime) {
    EXPECT_TRUE(tools::data::MakeMusicModule() == Music());
}

// Every 16-second pattern sounds until the fade at the end, and nothing reaches full scale.
TEST(MusicModule, PlaysWithoutSilenceOrClipping) {
    Loaded loaded;
    Load(Music(), loaded);
    ASSERT_NE(loaded.module, nullptr);
    constexpr int kRate = 22050;
    constexpr size_t kWindow = 16 * kRate;
    std::vector<float> left(kWindow), right(kWindow);
    float peak = 0.0f;
    std::vector<double> windowLevels;
    while (size_t got = openmpt_module_read_float_stereo(loaded.module, kRate, kWindow, left.data(),
                                                         right.data())) {
        double energy = 0.0;
        for (size_t i = 0; i < got; ++i) {
            peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
            energy += left[i] * left[i] + right[i] * right[i];
        }
        windowLevels.push_back(std::sqrt(energy / (2.0 * got)));
    }
    ASSERT_GE(windowLevels.size(), 21u);
    EXPECT_LT(peak, 0.9f);
    EXPECT_GT(peak, 0.2f);
    for (size_t i = 0; i + 1 < windowLevels.size(); ++i) {
        EXPECT_GT(windowLevels[i], 0.02) << "pattern " << i;
    }
}

// Looped sounds must meet themselves at the loop point, or every pass clicks.
TEST(MusicSounds, LoopsJoinWithoutAStep) {
    tools::data::ItModule module;
    tools::data::AddSounds(module);
    ASSERT_EQ(module.samples.size(), 6u);
    ASSERT_EQ(module.instruments.size(), 6u);
    for (const tools::data::ItSample& sample : module.samples) {
        SCOPED_TRACE(sample.name);
        ASSERT_FALSE(sample.pcm.empty());
        int largestStep = 0;
        for (size_t i = 1; i < sample.pcm.size(); ++i) {
            largestStep = std::max(largestStep, std::abs(sample.pcm[i] - sample.pcm[i - 1]));
        }
        if (sample.loop) {
            EXPECT_EQ(sample.loopEnd, sample.pcm.size());
            EXPECT_LE(std::abs(sample.pcm.front() - sample.pcm.back()), largestStep);
        } else {
            EXPECT_LT(std::abs(sample.pcm.back()), 64) << "one-shots fade out";
        }
    }
}

TEST(MusicArrangement, NoteNamesFollowTheTrackersNumbering) {
    EXPECT_EQ(tools::data::NoteNumber("C-0"), 0);
    EXPECT_EQ(tools::data::NoteNumber("C-5"), 60);
    EXPECT_EQ(tools::data::NoteNumber("A-4"), 57);
    EXPECT_EQ(tools::data::NoteNumber("F#5"), 66);
    EXPECT_EQ(tools::data::NoteNumber("B-9"), 119);
}

// A small module exercising each part of the format, checked field by field.
TEST(ItWriter, LibopenmptReadsBackWhatWasWritten) {
    tools::data::ItModule module;
    module.name = "writer check";
    module.channels = 3;
    module.initialSpeed = 5;
    module.initialTempo = 90;
    module.globalVolume = 100;
    for (int i = 0; i < 2; ++i) {
        tools::data::ItSample sample;
        sample.name = i ? "second" : "first";
        sample.pcm.assign(200, int16_t(i ? -3000 : 3000));
        sample.loop = i == 1;
        sample.loopBegin = 10;
        sample.loopEnd = 200;
        module.samples.push_back(sample);
        tools::data::ItInstrument instrument;
        instrument.name = i ? "instrument two" : "instrument one";
        instrument.sample = uint8_t(i + 1);
        instrument.volume.enabled = true;
        instrument.volume.sustain = true;
        instrument.volume.sustainNode = 1;
        instrument.volume.nodes = {{0, 0}, {64, 10}, {0, 30}};
        module.instruments.push_back(instrument);
    }
    for (int p = 0; p < 2; ++p) {
        tools::data::ItPattern pattern;
        pattern.rows = p ? 48 : 64;
        pattern.cells.resize(size_t(pattern.rows * module.channels));
        module.patterns.push_back(pattern);
    }
    tools::data::ItCell& cell = module.patterns[1].cells[size_t(5 * 3 + 2)];
    cell.note = 57;
    cell.instrument = 2;
    cell.volume = 33;
    cell.command = tools::data::ItCommand('W');
    cell.parameter = 0x01;
    module.patterns[1].cells[size_t(7 * 3)].note = tools::data::kItNoteOff;
    module.orders = {1, 0, 1};

    Loaded loaded;
    Load(tools::data::EncodeIt(module), loaded);
    ASSERT_NE(loaded.module, nullptr);
    EXPECT_TRUE(loaded.messages.empty()) << loaded.messages.front();
    openmpt_module* m = loaded.module;
    EXPECT_EQ(Take(openmpt_module_get_metadata(m, "title")), "writer check");
    EXPECT_EQ(openmpt_module_get_num_channels(m), 3);
    EXPECT_EQ(openmpt_module_get_num_orders(m), 3);
    EXPECT_EQ(openmpt_module_get_order_pattern(m, 0), 1);
    EXPECT_EQ(openmpt_module_get_num_patterns(m), 2);
    EXPECT_EQ(openmpt_module_get_pattern_num_rows(m, 1), 48);
    EXPECT_EQ(openmpt_module_get_num_instruments(m), 2);
    EXPECT_EQ(openmpt_module_get_num_samples(m), 2);
    EXPECT_EQ(Take(openmpt_module_get_instrument_name(m, 1)), "instrument two");
    EXPECT_EQ(Take(openmpt_module_get_sample_name(m, 0)), "first");
    EXPECT_EQ(
        openmpt_module_get_pattern_row_channel_command(m, 1, 5, 2, OPENMPT_MODULE_COMMAND_NOTE),
        57 + 1);  // libopenmpt counts notes from 1
    EXPECT_EQ(openmpt_module_get_pattern_row_channel_command(m, 1, 5, 2,
                                                             OPENMPT_MODULE_COMMAND_INSTRUMENT),
              2);
    EXPECT_EQ(
        openmpt_module_get_pattern_row_channel_command(m, 1, 5, 2, OPENMPT_MODULE_COMMAND_VOLUME),
        33);
    EXPECT_EQ(openmpt_module_get_pattern_row_channel_command(m, 1, 5, 2,
                                                             OPENMPT_MODULE_COMMAND_PARAMETER),
              1);
    EXPECT_EQ(
        openmpt_module_get_pattern_row_channel_command(m, 1, 7, 0, OPENMPT_MODULE_COMMAND_NOTE),
        255);  // note off
    EXPECT_EQ(
        openmpt_module_get_pattern_row_channel_command(m, 1, 6, 2, OPENMPT_MODULE_COMMAND_NOTE), 0);
    EXPECT_EQ(openmpt_module_get_current_speed(m), 5);
    EXPECT_EQ(openmpt_module_get_current_tempo(m), 90);
    // Three orders of 48 + 64 + 48 rows at 5 ticks of 2.5 / 90 s each.
    EXPECT_NEAR(openmpt_module_get_duration_seconds(m), 160 * 5 * 2.5 / 90, 0.01);
}

}  // namespace
