// Late moments reached without drawing the frames before them: the frames at a start time and
// the one after it are, byte for byte, those of a run that drew every frame from the show's
// beginning with the same seed and frame rate, through the desktop's OpenGL and through the
// browser's layer over OpenGL ES 2.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/png_file.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

// A frame every 0.4 s: every start below falls on a frame.
constexpr double kFrameSeconds = 0.4;
// Part 4's fog fade at its middle, part 9's first frame, inside part 11's pause, the show's
// last second.
constexpr double kStarts[] = {86.0, 126.8, 175.6, 335.2};

class CaptureStart : public testing::TestWithParam<const char*> {};

TEST_P(CaptureStart, FramesFromAStartAreThoseOfTheWholeRun) {
    testing_support::TempFolder folder;
    ASSERT_TRUE(testing_support::CopyDefaultContent(folder.path()));
    std::string times;
    for (double start : kStarts) {
        times += std::to_string(start) + "," + std::to_string(start + kFrameSeconds) + ",";
    }
    times.pop_back();
    // The frames of `option` `value` written to `output`; the exit code.
    auto capture = [&](const char* option, const std::string& value, const char* output,
                       double seconds) {
        return RunningProgram({ProgramPath(GetParam()), "--fps", "2.5", "--size", "160x120",
                               "--silent", option, value, output},
                              folder.path(), {})
            .Wait(seconds);
    };
    // Every frame drawn and written, from the start of the show to its end.
    ASSERT_EQ(capture("--to", "336", "whole", 280), 0);
    ASSERT_EQ(capture("--at", times, "chosen", 120), 0);
    int kept = 0;
    for (double start : kStarts) {
        for (double at : {start, start + kFrameSeconds}) {
            const int index = static_cast<int>(std::lround(at / kFrameSeconds));
            testing_support::RgbaImage drawn = testing_support::ReadFrame("whole", index);
            testing_support::RgbaImage reached = testing_support::ReadFrame("chosen", kept++);
            ASSERT_FALSE(drawn.pixels.empty()) << at << " s";
            EXPECT_TRUE(drawn.pixels == reached.pixels) << "the frame at " << at << " s";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, CaptureStart,
                         testing::Values("torvane-capture", "torvane-capture-gles"));

}  // namespace
