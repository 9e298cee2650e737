// torvane-capture run for real: frames at the times asked for, a contact sheet and the
// soundtrack, in a folder with no content at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

// Width and height from a PNG file's header, or 0 × 0 when it is not a PNG.
std::pair<uint32_t, uint32_t> PngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) {
        return {0, 0};
    }
    auto word = [&bytes](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
        }
        return value;
    };
    return {word(16), word(20)};
}

TEST(Capture, WritesTheFramesAskedForASheetAndTheSoundtrack) {
    testing_support::TempFolder folder;
    RunningProgram capture({ProgramPath("torvane-capture"), "--fps", "10", "--size", "320x240",
                            "--at", "0.5,1.5", "--sheet", "sheet.png", "frames"},
                           folder.path(), {"SDL_AUDIODRIVER=dummy"});
    ASSERT_EQ(capture.Wait(120), 0);
    EXPECT_EQ(PngSize(folder.Read("frames/frame_000000.png")), std::make_pair(320u, 240u));
    EXPECT_EQ(PngSize(folder.Read("frames/frame_000001.png")), std::make_pair(320u, 240u));
    EXPECT_EQ(folder.Read("frames/frame_000002.png"), "");
    // Two half-size frames side by side with 4-pixel borders.
    EXPECT_EQ(PngSize(folder.Read("sheet.png")), std::make_pair(4 * 160u + 20, 120u + 8));
    std::string sound = folder.Read("frames/soundtrack.wav");
    ASSERT_GT(sound.size(), 44u);
    EXPECT_EQ(sound.compare(0, 4, "RIFF"), 0);
    // 1.6 s of 16-bit stereo at 44.1 kHz: the frames up to the last one kept.
    EXPECT_EQ(sound.size() - 44, 16u * 4410 * 4);
    EXPECT_NE(folder.Read("Torvan.log").find("Set video mode: 320x240x32 fullscreen=0"),
              std::string::npos);
}

// The frames and sound of a range only; with --video, one MP4 and no PNG files.
TEST(Capture, KeepsOnlyTheRangeAsFramesOrVideo) {
    struct Case {
        bool video;
        const char* lastFile;
        const char* missingFile;
    };
    for (const Case& test : {Case{false, "frames/frame_000009.png", "frames/frame_000010.png"},
                             Case{true, "frames/show.mp4", "frames/frame_000000.png"}}) {
        testing_support::TempFolder folder;
        std::vector<std::string> command{ProgramPath("torvane-capture"),
                                         "--fps",
                                         "10",
                                         "--size",
                                         "160x120",
                                         "--from",
                                         "1",
                                         "--to",
                                         "2",
                                         "frames"};
        if (test.video) {
            command.insert(command.begin() + 1, "--video");
        }
        RunningProgram capture(command, folder.path(), {});
        ASSERT_EQ(capture.Wait(120), 0);
        EXPECT_NE(folder.Read(test.lastFile), "") << test.lastFile;
        EXPECT_EQ(folder.Read(test.missingFile), "") << test.missingFile;
        // One second of 16-bit stereo at 44.1 kHz after the 44-byte header.
        EXPECT_EQ(folder.Read("frames/soundtrack.wav").size(), 44u + 44100 * 4);
    }
}

TEST(Capture, RejectsABadCommandLine) {
    testing_support::TempFolder folder;
    RunningProgram capture({ProgramPath("torvane-capture"), "--fps", "0", "out"}, folder.path(),
                           {});
    EXPECT_EQ(capture.Wait(30), 2);
}

}  // namespace
