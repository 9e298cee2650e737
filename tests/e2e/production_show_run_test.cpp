// The show on its default content: torvane plays the first
// twenty seconds with sound written to a file, and the log and the sound are checked.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "support/log_lines.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

TEST(DefaultShow, FirstTwentySecondsLoadCleanlyAndSound) {
    testing_support::TempFolder folder;
    ASSERT_TRUE(testing_support::CopyDefaultContent(folder.path()));
    RunningProgram show({ProgramPath("torvane")}, folder.path(),
                        {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=disk",
                         "SDL_DISKAUDIOFILE=" + folder.path() + "/sound.raw"});
    std::string logPath = folder.path() + "/Torvan.log";
    ASSERT_TRUE(testing_support::WaitForText(logPath, "Start main game loop...", 120));
    // The voice and the music start 11 s into the show.
    std::this_thread::sleep_for(std::chrono::seconds(20));
    show.Signal(SIGTERM);
    EXPECT_EQ(show.Wait(60), 0);

    std::string log = folder.Read("Torvan.log");
    testing_support::ExpectLinesInOrder(
        log, {"Torvane 1.0 started...", "Console started...", "render_use_OGL_ext 1",
              "Set video mode: 640x480x32 fullscreen=0", "Use OpenGL Render...",
              "Time system started...", "Start main game loop...", "Torvane shut down..."});
    EXPECT_EQ(testing_support::ProblemLines(log), std::vector<std::string>{}) << log;

    std::string sound = folder.Read("sound.raw");
    EXPECT_GT(sound.size(), 44100u * 8);
    EXPECT_TRUE(std::any_of(sound.begin(), sound.end(), [](char byte) { return byte != 0; }))
        << "nothing was heard";
}

}  // namespace
