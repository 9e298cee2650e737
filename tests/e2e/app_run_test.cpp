// The real programs started in an empty folder and ended by a signal or the Esc key.
#include <gtest/gtest.h>
#include <signal.h>

#include "support/log_lines.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ExpectLinesInOrder;
using testing_support::kStartUpLines;
using testing_support::ProgramPath;
using testing_support::RunningProgram;
using testing_support::WaitForText;

class ProgramRun : public ::testing::TestWithParam<const char*> {
protected:
    std::string LogPath() const { return folder.path() + "/Torvan.log"; }
    // Runs the program offscreen until its main loop starts, then sends `signal`; the log.
    std::string RunUntilLoopThen(int signal) {
        RunningProgram program({ProgramPath(GetParam())}, folder.path(),
                               {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy"});
        EXPECT_TRUE(WaitForText(LogPath(), "Start main game loop...", 60));
        program.Signal(signal);
        EXPECT_EQ(program.Wait(60), 0);
        return folder.Read("Torvan.log");
    }
    testing_support::TempFolder folder;
};

TEST_P(ProgramRun, OffscreenRunEndsOnSigterm) {
    std::string log = RunUntilLoopThen(SIGTERM);
    ExpectLinesInOrder(log, kStartUpLines);
    EXPECT_NE(log.find("\nWork time: "), std::string::npos);
    EXPECT_NE(log.find(" seconds\nTorvane shut down...\n"), std::string::npos);
    EXPECT_EQ(log.find("<Esc>"), std::string::npos);
}

TEST_P(ProgramRun, EscKeyUnderXEndsTheRun) {
    testing_support::VirtualDisplay display;
    if (!display.ready()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    RunningProgram program({ProgramPath(GetParam())}, folder.path(),
                           {display.environment(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy"});
    ASSERT_TRUE(WaitForText(LogPath(), "Start main game loop...", 60));
    ASSERT_TRUE(testing_support::PressEscUntilEnded(program, display));
    EXPECT_EQ(program.Wait(0), 0);
    std::string log = folder.Read("Torvan.log");
    ExpectLinesInOrder(log, kStartUpLines);
    EXPECT_NE(log.find("<Esc> pressed, ok guys, goto exit!\nWork time: "), std::string::npos);
    EXPECT_NE(log.find(" seconds\nTorvane shut down...\n"), std::string::npos);
}

TEST_P(ProgramRun, ConfiguredSizeReachesTheWindow) {
    folder.Write("Torvane.cfg", "display_Width 800\ndisplay_Height 600\nno_such_thing 1\n");
    ExpectLinesInOrder(RunUntilLoopThen(SIGINT),
                       {"display_Width 800", "display_Height 600",
                        "Error! \"no_such_thing 1\" is unknow command (\xed\xe5\xe8\xe7\xe2\xe5\xf1"
                        "\xf2\xed\xe0\xff \xea\xee\xec\xec\xe0\xed\xe4\xe0)",
                        "Set video mode: 800x600x32 fullscreen=0", "Torvane shut down..."});
}

// The window manager's resize reaches the engine (the log says the size) and the show is
// drawn over the whole new client area, not only over the 640 × 480 it started with.
TEST(WindowUnderX, ResizedWindowDrawsAtItsNewSize) {
    testing_support::VirtualDisplay display;
    if (!display.ready()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    testing_support::TempFolder folder;
    ASSERT_TRUE(testing_support::CopyDefaultContent(folder.path()));
    RunningProgram program({ProgramPath("torvane")}, folder.path(),
                           {display.environment(), "SDL_VIDEODRIVER=x11", "SDL_AUDIODRIVER=dummy"});
    const std::string log = folder.path() + "/Torvan.log";
    ASSERT_TRUE(WaitForText(log, "Start main game loop...", 120));
    const std::vector<std::string> x = {display.environment()};
    ASSERT_EQ(testing_support::RunCommand({"/usr/bin/xdotool", "search", "--sync", "--onlyvisible",
                                           "--name", "Torvane 1.0", "windowsize", "960", "360"},
                                          x),
              0);
    ASSERT_TRUE(WaitForText(log, "Window size: 960x360", 30));
    // The screen's grey levels over the new client area, taken until a frame covers it.
    const std::string screen = display.environment().substr(8) + ".0+0,0";
    auto litBeyond640 = [&] {
        testing_support::RunCommand(
            {"/usr/bin/ffmpeg", "-v", "error", "-y", "-f", "x11grab", "-video_size", "960x360",
             "-i", screen, "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "gray", "screen.gray"},
            x);
        const std::string pixels = folder.Read("screen.gray");
        size_t lit = 0;
        for (size_t at = 0; at < pixels.size(); ++at) {
            lit += at % 960 >= 640 && static_cast<uint8_t>(pixels[at]) > 16 ? 1 : 0;
        }
        return lit > 320 * 360 / 20;
    };
    EXPECT_TRUE(testing_support::WaitUntil(litBeyond640, 60))
        << "the show is drawn only over the first 640 columns";
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(60), 0);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, ProgramRun, ::testing::Values("torvane", "torvane-record"),
                         [](const auto& info) {
                             return std::string(info.param) == "torvane" ? "Playback" : "Recording";
                         });

}  // namespace
