// The content tool's building blocks: missing packages, the output folder, WAVE files,
// noise and the title images' fit on the overlay.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

#include "support/temp_folder.h"
#include "tools/data/content_folder.h"
#include "tools/data/noise.h"
#include "tools/data/prerequisites.h"
#include "tools/data/title_plates.h"
#include "tools/data/wav.h"

using namespace tools::data;

namespace {

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

TEST(Prerequisites, MissingProgramsAndFontsNameTheirPackage) {
    const ExternalTool absent{"torvane-no-such-program", "torvane-some-package"};
    EXPECT_NE(MessageOf([&] { RequireTool(absent); }).find("torvane-some-package"),
              std::string::npos);
    EXPECT_NE(MessageOf([&] { RunTool(absent, {}); }).find("torvane-some-package"),
              std::string::npos);
    EXPECT_NE(MessageOf([] { RequireFont("NoSuchFace.ttf"); }).find("fonts-dejavu-core"),
              std::string::npos);
    EXPECT_NO_THROW(RequireAll());
}

TEST(Prerequisites, AToolThatFailsIsAnError) {
    EXPECT_NE(MessageOf([] {
                  RunTool(ExternalTool{"false", "coreutils"}, {});
              }).find("failed"),
              std::string::npos);
    EXPECT_NO_THROW(RunTool(ExternalTool{"true", "coreutils"}, {}));
}

TEST(ContentFolder, EngineNamesBecomeFoldersAndShareOneSpelling) {
    testing_support::TempFolder temp;
    ContentFolder folder("out", nullptr);
    folder.Write("Data\\Textures\\a.bin", {1, 2, 3});
    folder.Write("Data\\textures\\font\\b.bin", {4});
    EXPECT_EQ(temp.Read("out/Data/Textures/a.bin"), "\x01\x02\x03");
    EXPECT_EQ(temp.Read("out/Data/Textures/font/b.bin"), "\x04");
    EXPECT_FALSE(std::filesystem::exists("out/Data/textures"));
    EXPECT_EQ(folder.filesWritten(), 2);
    EXPECT_EQ(folder.bytesWritten(), 4u);
}

TEST(Wav, RoundTripsAndCutsAnOverlongDataChunk) {
    Pcm pcm{22050, 1, {0, 1, -1, 32767, -32768}};
    std::vector<uint8_t> bytes = EncodeWav(pcm);
    EXPECT_EQ(bytes.size(), 44u + 10u);
    Pcm back = DecodeWav(bytes);
    EXPECT_EQ(back.sampleRate, 22050);
    EXPECT_EQ(back.samples, pcm.samples);
    // A streamed file whose data size was never filled in.
    bytes[40] = bytes[41] = bytes[42] = bytes[43] = 0xFF;
    EXPECT_EQ(DecodeWav(bytes).samples, pcm.samples);
    bytes[22] = 2;  // two channels
    EXPECT_THROW(DecodeWav(bytes), std::runtime_error);
    EXPECT_THROW(DecodeWav({'R', 'I', 'F', 'F'}), std::runtime_error);
}

TEST(Wav, StereoHeaderCountsBothChannels) {
    std::vector<uint8_t> bytes = EncodeWav(Pcm{44100, 2, {1, 2, 3, 4}});
    EXPECT_EQ(bytes[22], 2);                                          // channels
    EXPECT_EQ(bytes[28] | bytes[29] << 8 | bytes[30] << 16, 176400);  // bytes a second
    EXPECT_EQ(bytes[32], 4);                                          // bytes a frame
    EXPECT_DOUBLE_EQ(Pcm({44100, 2, std::vector<int16_t>(88200)}).seconds(), 1.0);
}

TEST(Noise, RepeatsAfterItsPeriodAndStaysInRange) {
    Noise noise(7);
    for (float x = -3.0f; x < 3.0f; x += 0.37f) {
        for (float y = 0.0f; y < 2.0f; y += 0.29f) {
            EXPECT_NEAR(noise.Value(x, y, {4, 3}), noise.Value(x + 4, y + 3, {4, 3}), 1e-5f);
            EXPECT_NEAR(noise.Fractal(x, y, {4, 3}, 4), noise.Fractal(x + 4, y, {4, 3}, 4), 1e-5f);
            float v = noise.Fractal(x, y, {4, 3}, 4);
            EXPECT_GE(v, 0.0f);
            EXPECT_LE(v, 1.0f);
            CellDistances a = noise.Cells(x, y, {4, 3});
            CellDistances b = noise.Cells(x - 4, y + 3, {4, 3});
            EXPECT_NEAR(a.nearest, b.nearest, 1e-4f);
            EXPECT_EQ(a.id, b.id);
            EXPECT_LE(a.nearest, a.second);
        }
    }
    EXPECT_NE(Noise(1).Hash(3, 4), Noise(2).Hash(3, 4));
}

// Where the overlay puts each plate at most: x = 70, and the lowest y of its entries.
TEST(TitlePlates, FitTheOverlayAndShowLightTextOnBlack) {
    const std::map<std::string, int> lowest = {
        {"Loading", 180}, {"SeerDreams", 210}, {"Stih1", 250}, {"Stih2", 250},
        {"Stih3", 250},   {"Stih4", 250},      {"TheEnd", 200}};
    ASSERT_EQ(TitlePlates().size(), 7u);
    for (const TitlePlate& plate : TitlePlates()) {
        std::string name = plate.name;
        name = name.substr(name.rfind('\\') + 1);
        name = name.substr(0, name.find('.'));
        ASSERT_TRUE(lowest.count(name)) << name;
        EXPECT_LE(70 + plate.width, 640) << name;
        EXPECT_LE(lowest.at(name) + plate.height, 480) << name;
        EXPECT_EQ(plate.width & (plate.width - 1), 0) << name;
        EXPECT_EQ(plate.height & (plate.height - 1), 0) << name;

        Image image = PaintTitlePlate(plate);
        int brightest = 0;
        for (const Rgba& p : image.pixels()) {
            brightest = std::max(brightest, std::min({p.r, p.g, p.b}) + 0);
            ASSERT_EQ(p.a, 255);
        }
        EXPECT_GT(brightest, 200) << name;
        for (int x : {0, plate.width - 1}) {
            for (int y : {0, plate.height - 1}) {
                const Rgba& corner = image.at(x, y);
                EXPECT_EQ(corner.r + corner.g + corner.b, 0) << name;
            }
        }
    }
}

}  // namespace
