// The whole data folder: repeatable bytes, size budget, readable images and the voice
// track's timing.
#include <gtest/gtest.h>
#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "platform/files.h"
#include "platform/jpeg.h"
#include "render/tga.h"
#include "support/temp_folder.h"
#include "tools/data/content_folder.h"
#include "tools/data/generators.h"
#include "tools/data/voice_lines.h"

namespace fs = std::filesystem;

namespace {

// Relative path -> bytes of every file under `root`.
std::map<std::string, std::vector<uint8_t>> Snapshot(const std::string& root) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            std::vector<uint8_t> bytes;
            EXPECT_TRUE(platform::ReadFile(entry.path().string(), bytes));
            files[fs::relative(entry.path(), root).string()] = bytes;
        }
    }
    return files;
}

// FNV-1a, enough to tell two runs' files apart.
uint64_t Checksum(const std::vector<uint8_t>& bytes) {
    uint64_t hash = 1469598103934665603ull;
    for (uint8_t b : bytes) {
        hash = (hash ^ b) * 1099511628211ull;
    }
    return hash;
}

struct Decoded {
    long rate = 0;
    std::vector<float> samples;  // mono, -1..1
};

Decoded DecodeMp3(const std::string& path) {
    Decoded out;
    mpg123_handle* handle = mpg123_new(nullptr, nullptr);
    EXPECT_NE(handle, nullptr);
    mpg123_param(handle, MPG123_FLAGS, MPG123_MONO_MIX | MPG123_QUIET, 0);
    EXPECT_EQ(mpg123_open(handle, path.c_str()), MPG123_OK);
    int channels = 0;
    int encoding = 0;
    EXPECT_EQ(mpg123_getformat(handle, &out.rate, &channels, &encoding), MPG123_OK);
    mpg123_format_none(handle);
    mpg123_format(handle, out.rate, MPG123_MONO, MPG123_ENC_SIGNED_16);
    std::vector<int16_t> buffer(4096);
    size_t done = 0;
    int status;
    do {
        status = mpg123_read(handle, buffer.data(), buffer.size() * 2, &done);
        for (size_t i = 0; i < done / 2; ++i) {
            out.samples.push_back(buffer[i] / 32768.0f);
        }
    } while (status == MPG123_OK || status == MPG123_NEW_FORMAT);
    EXPECT_EQ(status, MPG123_DONE);
    mpg123_close(handle);
    mpg123_delete(handle);
    return out;
}

// Root mean square over [from, to) seconds.
float Loudness(const Decoded& track, float from, float to) {
    size_t begin = size_t(from * track.rate);
    size_t end = std::min(track.samples.size(), size_t(to * track.rate));
    double sum = 0;
    for (size_t i = begin; i < end; ++i) {
        sum += track.samples[i] * track.samples[i];
    }
    return end > begin ? float(std::sqrt(sum / double(end - begin))) : 0.0f;
}

// Whole-folder checks share one generated folder; each ctest process makes its own.
class ContentTest : public ::testing::Test {
protected:
    static std::map<std::string, std::vector<uint8_t>> Generate(const std::string& root) {
        tools::data::ContentFolder content(root, nullptr);
        tools::data::WriteAllContent(content, nullptr);
        return Snapshot(root);
    }

    testing_support::TempFolder folder_;
};

void ExpectTgaKinds(const std::string& root) {
    struct Expected {
        const char* path;
        int type, depth, width, height;
        bool topDown;
    };
    const Expected expected[] = {
        {"Data/Textures/part/fire/2.tga", 2, 24, 64, 64, false},
        {"Data/Textures/font/AntiAlias/LC_B.tga", 10, 32, 256, 256, false},
        {"Data/Textures/bark.tga", 2, 24, 256, 256, false},
        {"Data/Textures/leaves.tga", 10, 32, 256, 256, false},
        {"Data/Textures/gold.tga", 10, 24, 128, 128, true},
        {"Data/Textures/marble.tga", 2, 32, 256, 256, true},
        {"Data/Text/Loading.tga", 10, 24, 512, 64, true},
        {"Data/Text/SeerDreams.tga", 10, 24, 512, 128, true},
        {"Data/Text/Stih1.tga", 10, 24, 512, 128, true},
        {"Data/Text/Stih4.tga", 10, 24, 512, 128, true},
        {"Data/Text/TheEnd.tga", 10, 24, 512, 128, true},
    };
    for (const Expected& e : expected) {
        render::TgaImage tga;
        ASSERT_TRUE(render::ReadTga(root + "/" + e.path, tga)) << e.path;
        EXPECT_EQ(tga.imageType, e.type) << e.path;
        EXPECT_EQ(tga.depth, e.depth) << e.path;
        EXPECT_EQ(tga.width, e.width) << e.path;
        EXPECT_EQ(tga.height, e.height) << e.path;
        EXPECT_EQ((tga.descriptor & 0x20) != 0, e.topDown) << e.path;
    }
}

void ExpectJpegsDecode(const std::map<std::string, std::vector<uint8_t>>& files) {
    int count = 0;
    for (const auto& [path, bytes] : files) {
        if (path.size() > 4 && path.substr(path.size() - 4) == ".jpg") {
            platform::JpegImage jpeg;
            std::string error;
            EXPECT_TRUE(platform::DecodeJpeg(bytes, jpeg, error)) << path << ": " << error;
            EXPECT_GT(jpeg.width, 0) << path;
            ++count;
        }
    }
    EXPECT_GE(count, 5);
    EXPECT_TRUE(files.count("Data/Textures/cons_ss1.jpg"));
}

void ExpectFireBlob(const std::string& root) {
    render::TgaImage fire;
    ASSERT_TRUE(render::ReadTga(root + "/Data/Textures/part/fire/2.tga", fire));
    auto pixel = [&](int x, int y) { return &fire.pixels[(size_t(y) * 64 + x) * 3]; };
    EXPECT_EQ(pixel(0, 0)[0] + pixel(0, 0)[1] + pixel(0, 0)[2], 0);  // black rim
    const uint8_t* centre = pixel(32, 32);
    EXPECT_GT(centre[2], 240);        // red
    EXPECT_GT(centre[1], 180);        // green: yellow at the core
    EXPECT_GT(centre[2], centre[0]);  // warmer than it is blue
}

TEST_F(ContentTest, FolderIsRepeatableSmallAndReadable) {
    std::map<std::string, std::vector<uint8_t>> first = Generate("run1");
    std::map<std::string, std::vector<uint8_t>> second = Generate("run2");
    ASSERT_EQ(second.size(), first.size());
    uint64_t total = 0;
    for (const auto& [path, bytes] : first) {
        EXPECT_EQ(Checksum(second[path]), Checksum(bytes)) << path;
        total += bytes.size();
    }
    EXPECT_LT(total, 30u * 1000 * 1000);
    // "Data\textures\font" and "Data\Textures" share one folder on a case-blind lookup.
    EXPECT_TRUE(fs::is_directory("run1/Data/Textures/font/AntiAlias"));
    EXPECT_FALSE(fs::exists("run1/Data/textures"));
    ExpectTgaKinds("run1");
    ExpectJpegsDecode(first);
    ExpectFireBlob("run1");
}

TEST_F(ContentTest, VoiceSpeaksEachCaptionAtItsTime) {
    const auto& generators = tools::data::AllGenerators();
    auto voice_generator = std::find_if(generators.begin(), generators.end(), [](const auto& g) {
        return std::string(g.name) == "voice";
    });
    ASSERT_NE(voice_generator, generators.end());
    tools::data::ContentFolder content("voice", nullptr);
    voice_generator->write(content);
    Decoded voice = DecodeMp3("voice/Data/Voice/ring4.mp3");
    ASSERT_GT(voice.rate, 0);
    const auto& lines = tools::data::VoiceLines();
    float first = lines.front().start - tools::data::kVoiceTrackStart;
    EXPECT_LT(Loudness(voice, 0.0f, first - 0.2f), 0.002f) << "speech before the first caption";
    for (const auto& line : lines) {
        float at = line.start - tools::data::kVoiceTrackStart;
        EXPECT_GT(Loudness(voice, at, at + 1.5f), 0.02f) << line.text;
        EXPECT_LT(Loudness(voice, at - 0.45f, at - 0.15f), 0.002f)
            << "speech runs into " << line.text;
    }
    float last = lines.back().start - tools::data::kVoiceTrackStart;
    EXPECT_GT(voice.samples.size(), size_t((last + 1.5f) * voice.rate));
    EXPECT_LT(voice.samples.size(), size_t((last + 10.0f) * voice.rate));
}

}  // namespace
