// The data folder that torvane-data writes: repeatable bytes, a size budget, images the
// engine reads and a voice that speaks each caption at its time. Every tool on a full disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <tuple>
#include <utility>

#include "platform/audio_mp3.h"
#include "platform/files.h"
#include "platform/jpeg.h"
#include "render/tga.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/test_models.h"
#include "tools/data/music/voice_lines.h"

namespace fs = std::filesystem;

namespace {

// Relative path -> bytes of every file under `root`.
std::map<std::string, std::vector<uint8_t>> Files(const std::string& root) {
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            EXPECT_TRUE(platform::ReadFile(entry.path().string(),
                                           files[fs::relative(entry.path(), root).string()]));
        }
    }
    return files;
}

// The default content was made by another run of torvane-data.
TEST(Content, FolderIsRepeatableSmallAndReadableByTheEngine) {
    testing_support::TempFolder temp;
    const std::string made = testing_support::DefaultContent();
    ASSERT_NE(made, "");
    ASSERT_EQ(
        testing_support::RunCommand({testing_support::ProgramPath("torvane-data"), "second"}, {}),
        0);
    std::map<std::string, std::vector<uint8_t>> first = Files(made);
    EXPECT_TRUE(Files("second") == first) << "two runs write the same bytes";
    size_t total = 0;
    for (const auto& [path, bytes] : first) {
        total += bytes.size();
        std::string type = fs::path(path).extension().string();
        platform::JpegImage jpeg;
        render::TgaImage tga;
        std::string error;
        if (type == ".jpg") {
            EXPECT_TRUE(platform::DecodeJpeg(bytes, jpeg, error)) << path << ": " << error;
        } else if (type == ".tga") {
            EXPECT_TRUE(render::ReadTga(made + "/" + path, tga)) << path;
        }
    }
    EXPECT_LT(total, 30u * 1000 * 1000);
    EXPECT_TRUE(first.count("Data/Textures/cons_ss1.jpg"));
    EXPECT_FALSE(fs::exists(made + "/Data/textures")) << "one spelling for a case-blind lookup";
}

// Root mean square of the left channel over [from, to) seconds.
float Loudness(const std::vector<float>& stereo, int rate, float from, float to) {
    size_t begin = size_t(from * rate);
    size_t end = std::min(stereo.size() / 2, size_t(to * rate));
    double sum = 0;
    for (size_t i = begin; i < end; ++i) {
        sum += stereo[2 * i] * stereo[2 * i];
    }
    return end > begin ? float(std::sqrt(sum / double(end - begin))) : 0.0f;
}

// Decoded by the engine's own MP3 source, the voice speaks each caption as it appears.
TEST(Content, VoiceSpeaksEachCaptionAtItsTime) {
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(
        platform::ReadFile(testing_support::DefaultContent() + "/Data/Voice/ring4.mp3", bytes));
    constexpr int kRate = 22050;
    auto source = platform::OpenMp3(bytes, kRate);
    ASSERT_TRUE(source);
    std::vector<float> track, piece(2 * 4096);
    while (size_t got = source->Read(piece.data(), 4096)) {
        track.insert(track.end(), piece.begin(), piece.begin() + 2 * long(got));
    }
    const auto& lines = tools::data::VoiceLines();
    float first = lines.front().start - tools::data::kVoiceTrackStart;
    EXPECT_LT(Loudness(track, kRate, 0.0f, first - 0.2f), 0.002f) << "before the first caption";
    for (const auto& line : lines) {
        float at = line.start - tools::data::kVoiceTrackStart;
        EXPECT_GT(Loudness(track, kRate, at, at + 1.5f), 0.02f) << line.text;
        EXPECT_LT(Loudness(track, kRate, at - 0.45f, at - 0.15f), 0.002f)
            << "speech runs into " << line.text;
    }
    float seconds = float(track.size() / 2) / kRate;
    float last = lines.back().start - tools::data::kVoiceTrackStart;
    EXPECT_GT(seconds, last + 1.5f);
    EXPECT_LT(seconds, last + 10.0f);
}

// Past a file-size limit a write fails as on a full disk (SIGXFSZ ignored, as a shell's
// trap leaves it for the program it starts): each tool exits with an error, says what it
// did not write, and leaves no file cut short, which would be the limit's 512 bytes.
TEST(Content, ToolsOnAFullDiskFailAndLeaveNoPartFiles) {
    testing_support::TempFolder folder;
    testing_support::WriteTexturedBox(folder);
    std::string path = "second,x,y,z,w,heading,pitch\n";
    for (int second = 0; second < 100; ++second) {
        path += std::to_string(second) + ",1,2,3,1,0,0\n";
    }
    folder.Write("path.csv", path);
    auto tool = [](const char* name) { return testing_support::ProgramPath(name) + " "; };
    // The command writing into out/, its file-size limit in 512-byte blocks, what it says.
    const std::tuple<std::string, const char*, const char*> cases[] = {
        {tool("torvane-capture") + "--silent --size 640x480 --at 1,2 out", "1",
         "0 frames written to out; not written: 2 frames"},
        {tool("torvane-capture") + "--video --to 2 --size 160x120 out", "1",
         "not written: soundtrack.wav, show.mp4"},
        // The frame fits; two seconds of sound do not, and the write's own reason is given.
        {tool("torvane-capture") + "--size 160x120 --at 2 out", "400",
         "soundtrack.wav: File too large\n1 frames written to out; not written: soundtrack.wav"},
        {tool("torvane-data") + "out", "1", "0 files written to out; the rest not"},
        {tool("m3convert") + "box.obj out/box", "1", "cannot write out/box"},
        {tool("torvane-campath") + "build path.csv out/path.vcp", "1",
         "cannot write out/path.vcp"}};
    for (const auto& [command, blocks, says] : cases) {
        fs::remove_all("out");
        fs::create_directory("out");
        std::string limited = std::string("ulimit -f ") + blocks + "; trap '' XFSZ; exec " +
                              command + " > said.txt 2>&1";
        EXPECT_NE(testing_support::RunCommand({"/bin/sh", "-c", limited}, {}), 0) << command;
        EXPECT_NE(folder.Read("said.txt").find(says), std::string::npos)
            << command << ": " << folder.Read("said.txt");
        for (const auto& entry : fs::recursive_directory_iterator("out")) {
            EXPECT_FALSE((entry.is_regular_file() && entry.file_size() == 512) ||
                         entry.path().extension() == ".partial")
                << command << " left " << entry.path();
        }
    }
}

}  // namespace
