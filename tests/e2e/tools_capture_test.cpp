// torvane-capture run for real: frames at the times asked for, a contact sheet and the
// soundtrack, in a folder with no content at all; a bad command line refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "support/png_file.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

std::pair<int, int> PngSize(const char* path) {
    testing_support::RgbaImage image = testing_support::ReadPng(path);
    return {image.width, image.height};
}

TEST(Capture, WritesTheFramesAskedForASheetAndTheSoundtrack) {
    testing_support::TempFolder folder;
    // The command line's size wins over the configuration file's.
    folder.Write("Torvane.cfg", "display_Width 800\ndisplay_Height 600\n");
    RunningProgram capture({ProgramPath("torvane-capture"), "--fps", "10", "--size", "320x240",
                            "--at", "0.5,1.5", "--sheet", "sheet.png", "frames"},
                           folder.path(), {"SDL_AUDIODRIVER=dummy"});
    ASSERT_EQ(capture.Wait(120), 0);
    EXPECT_EQ(PngSize("frames/frame_000000.png"), std::make_pair(320, 240));
    EXPECT_EQ(PngSize("frames/frame_000001.png"), std::make_pair(320, 240));
    EXPECT_EQ(folder.Read("frames/frame_000002.png"), "");
    // Two half-size frames side by side with 4-pixel borders.
    EXPECT_EQ(PngSize("sheet.png"), std::make_pair(4 * 160 + 20, 120 + 8));
    std::string sound = folder.Read("frames/soundtrack.wav");
    ASSERT_GT(sound.size(), 44u);
    EXPECT_EQ(sound.compare(0, 4, "RIFF"), 0);
    // 1.6 s of 16-bit stereo at 44.1 kHz: the frames up to the last one kept.
    EXPECT_EQ(sound.size() - 44, 16u * 4410 * 4);
    EXPECT_NE(folder.Read("Torvan.log").find("Set video mode: 320x240x32 fullscreen=0"),
              std::string::npos);
    EXPECT_EQ(
        testing_support::RunCommand({ProgramPath("torvane-capture"), "--fps", "0", "out"}, {}), 2)
        << "a bad command line";
}

// The frames and sound of a range only; with --video, one MP4 and no PNG files; with
// --silent, no soundtrack; below one frame a second, each frame's sound lasts longer.
TEST(Capture, KeepsOnlyTheRangeAsFramesOrVideo) {
    // Sound after the 44-byte header: 16-bit stereo at 44.1 kHz.
    const size_t second = 44100 * 4;
    // Options, the last file made, a file not made, the soundtrack's size.
    const std::tuple<const char*, const char*, const char*, size_t> cases[] = {
        {"--fps 10 --to 2", "frames/frame_000009.png", "frames/frame_000010.png", 44 + second},
        {"--fps 10 --to 2 --video", "frames/show.mp4", "frames/frame_000000.png", 44 + second},
        {"--fps 10 --to 2 --video --silent", "frames/show.mp4", "frames/video.mp4", 0},
        {"--fps 0.5 --to 3", "frames/frame_000000.png", "frames/frame_000001.png",
         44 + 2 * second}};
    for (const auto& [options, lastFile, missingFile, soundBytes] : cases) {
        testing_support::TempFolder folder;
        std::string command =
            ProgramPath("torvane-capture") + " " + options + " --size 160x120 --from 1 frames";
        ASSERT_EQ(testing_support::RunCommand({"/bin/sh", "-c", command}, {}), 0) << command;
        EXPECT_NE(folder.Read(lastFile), "") << command;
        EXPECT_EQ(folder.Read(missingFile), "") << command;
        EXPECT_EQ(folder.Read("frames/soundtrack.wav").size(), soundBytes) << command;
    }
}

}  // namespace
