// One small frame of every part of the show on the default content, compared with the frames
// kept in tests/golden/. A pixel differs when a channel is off by more than kChannelTolerance;
// a frame fails when more than kDifferingShare of its pixels differ, which a title, caption,
// fire or shadow moved by a few pixels does. The frames drawn through the browser's GL layer
// over OpenGL ES 2 (torvane-capture-gles) are held to the same frames and bound.
//
// After a deliberate change to content or drawing, regenerate the frames from the build folder:
//   TORVANE_UPDATE_GOLDEN=1 ctest -R GoldenFrames
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/png_file.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;

constexpr int kChannelTolerance = 24;
constexpr double kDifferingShare = 0.005;

// A time inside each of the fourteen parts, in seconds.
const char* const kTimes = "5.5,30,46,69.5,86,88.8,104.5,121.5,125.8,148.5,172.5,175.5,238.5,318";
constexpr int kParts = 14;

// Each capture program: the desktop's OpenGL, and the browser's layer over OpenGL ES 2.
class GoldenFrames : public testing::TestWithParam<const char*> {};

TEST_P(GoldenFrames, EveryPartLooksAsItDid) {
    const bool update = std::getenv("TORVANE_UPDATE_GOLDEN") != nullptr;
    if (update && std::string(GetParam()) != "torvane-capture") {
        GTEST_SKIP() << "the golden frames are the desktop's: torvane-capture updates them";
    }
    testing_support::TempFolder folder;
    ASSERT_TRUE(testing_support::CopyDefaultContent(folder.path()));
    testing_support::RunningProgram capture({ProgramPath(GetParam()), "--fps", "5", "--size",
                                             "160x120", "--at", kTimes, "--silent", "frames"},
                                            folder.path(), {});
    ASSERT_EQ(capture.Wait(240), 0);
    for (int part = 0; part < kParts; ++part) {
        const std::string number = (part < 10 ? "0" : "") + std::to_string(part);
        const std::string kept =
            std::string(TORVANE_SOURCE_DIR) + "/tests/golden/part_" + number + ".png";
        if (update) {
            std::filesystem::copy_file("frames/frame_0000" + number + ".png", kept,
                                       std::filesystem::copy_options::overwrite_existing);
            continue;
        }
        EXPECT_LE(DifferingShare(testing_support::ReadFrame("frames", part),
                                 testing_support::ReadPng(kept), kChannelTolerance),
                  kDifferingShare)
            << "part " << part;
    }
}

INSTANTIATE_TEST_SUITE_P(Drawing, GoldenFrames,
                         testing::Values("torvane-capture", "torvane-capture-gles"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).find("gles") == std::string::npos
                                        ? "OpenGL"
                                        : "OpenGLES2";
                         });

}  // namespace
