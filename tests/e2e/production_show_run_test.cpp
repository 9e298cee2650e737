// The show on its default content: torvane plays, with its sound written to a file, until
// the music is heard; the log and the sound are checked.
#include <gtest/gtest.h>
#include <signal.h>

#include "support/log_lines.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

TEST(DefaultShow, LoadsCleanlyAndIsHeard) {
    testing_support::TempFolder folder;
    ASSERT_TRUE(testing_support::CopyDefaultContent(folder.path()));
    // One rasterizer thread: the show draws as fast as it can while the test waits.
    RunningProgram show({ProgramPath("torvane")}, folder.path(),
                        {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=disk", "LP_NUM_THREADS=0",
                         "SDL_DISKAUDIOFILE=" + folder.path() + "/sound.raw"});
    ASSERT_TRUE(testing_support::WaitForText(folder.path() + "/Torvan.log",
                                             "Start main game loop...", 120));
    // The device plays silence until the voice and the music start, 11 s into the show.
    auto soundStarted = [&] {
        return folder.Read("sound.raw").find_first_not_of('\0') != std::string::npos;
    };
    bool heard = testing_support::WaitUntil(soundStarted, 60);
    show.Signal(SIGTERM);
    EXPECT_EQ(show.Wait(60), 0);
    EXPECT_TRUE(heard) << "nothing was heard";

    std::string log = folder.Read("Torvan.log");
    testing_support::ExpectLinesInOrder(
        log, {"Torvane 1.0 started...", "Console started...", "render_use_OGL_ext 1",
              "Set video mode: 640x480x32 fullscreen=0", "Use OpenGL Render...",
              "Time system started...", "Start main game loop...", "Torvane shut down..."});
    EXPECT_EQ(testing_support::ProblemLines(log), std::vector<std::string>{}) << log;
}

}  // namespace
