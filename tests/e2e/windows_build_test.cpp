// The Windows programs from dist/torvane-windows.zip, unpacked and run under wine on a
// virtual X display: the show starts, plays and ends on Esc with the same log as on
// Linux, and the capture tool draws the same frames as the Linux one.
// `./torvane.sh windows` makes the zip; without it, wine or Xvfb these tests skip.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/log_lines.h"
#include "support/png_file.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunCommand;
using testing_support::RunningProgram;

const std::string kZip = std::string(TORVANE_SOURCE_DIR) + "/dist/torvane-windows.zip";
const char* const kWine = "/usr/bin/wine";

// Both builds draw with the same Mesa rasteriser (wine's opengl32 passes through to it);
// the C libraries' float functions differ in the last bits, which moves a few edge pixels.
// A channel may differ by kChannelTolerance anywhere and by more on kOutlierShare of pixels.
const int kChannelTolerance = 8;
const double kOutlierShare = 0.01;

bool Installed(const char* path) {
    return access(path, X_OK) == 0;
}

std::string WinePrefix() {
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "/tmp") + "/.cache/torvane-windows/wine";
}

class WindowsBuild : public ::testing::Test {
protected:
    void SetUp() override {
        if (!Installed(kWine) || !Installed("/usr/bin/unzip")) {
            GTEST_SKIP() << "wine or unzip is not installed (the Windows build is checked with "
                            "`./torvane.sh windows` and `ctest -R WindowsBuild`)";
        }
        if (access(kZip.c_str(), R_OK) != 0) {
            GTEST_SKIP() << kZip << " is missing; `./torvane.sh windows` makes it";
        }
        if (!display.ready()) {
            GTEST_SKIP() << "Xvfb is not installed";
        }
        ASSERT_EQ(RunCommand({"/usr/bin/unzip", "-q", kZip, "-d", folder.path()}, {}), 0);
    }

    void TearDown() override {
        // The wine server outlives its programs; it must not outlive this test's display.
        if (Installed(kWine)) {
            RunCommand({"/usr/bin/wineserver", "-k"}, Environment());
        }
    }

    std::vector<std::string> Environment() const {
        // The test tier sets SDL's offscreen driver, which has no OpenGL on Windows.
        return {display.environment(),
                "SDL_VIDEODRIVER=windows",
                "WINEPREFIX=" + WinePrefix(),
                "WINEDEBUG=-all",
                "WINEDLLOVERRIDES=mscoree,mshtml=",
                "SDL_AUDIODRIVER=disk",
                "SDL_DISKAUDIOFILE=sound.raw"};
    }

    // The log, whose every line must end as Windows ends it, with CR LF, turned into plain
    // lines.
    std::string Log() const {
        std::string log = folder.Read("torvane-windows/Torvan.log");
        auto loneLf = [](char before, char c) { return before != '\r' && c == '\n'; };
        const std::string text = "." + log;  // a first line's lone LF has a character before it
        EXPECT_TRUE(std::adjacent_find(text.begin(), text.end(), loneLf) == text.end())
            << "a line of the log ends in LF alone";
        log.erase(std::remove(log.begin(), log.end(), '\r'), log.end());
        return log;
    }

    std::string Show() const { return folder.path() + "/torvane-windows"; }

    testing_support::VirtualDisplay display;
    testing_support::TempFolder folder;
};

TEST_F(WindowsBuild, ShowPlaysTwentySecondsAndEndsOnEsc) {
    RunningProgram show({kWine, "torvane.exe"}, Show(), Environment());
    ASSERT_TRUE(
        testing_support::WaitForText(Show() + "/Torvan.log", "Start main game loop...", 180));
    std::this_thread::sleep_for(std::chrono::seconds(20));
    ASSERT_TRUE(testing_support::PressEscUntilEnded(show, display));
    EXPECT_EQ(show.Wait(0), 0);

    std::string log = Log();
    testing_support::ExpectLinesInOrder(
        log, {"Torvane 1.0 started...", "Console started...", "render_use_OGL_ext 1",
              "Set video mode: 640x480x32 fullscreen=0", "Use OpenGL Render...",
              "Time system started...", "Start main game loop..."});
    EXPECT_EQ(testing_support::ProblemLines(log), std::vector<std::string>{}) << log;
    EXPECT_NE(log.find("<Esc> pressed, ok guys, goto exit!\nWork time: "), std::string::npos);
    EXPECT_NE(log.find(" seconds\nTorvane shut down...\n"), std::string::npos);
    std::string sound = folder.Read("torvane-windows/sound.raw");
    EXPECT_TRUE(std::any_of(sound.begin(), sound.end(), [](char byte) { return byte != 0; }))
        << "nothing was heard";
}

TEST_F(WindowsBuild, CaptureDrawsTheLinuxFrames) {
    const std::string times =
        "0.5,1.5,2.5,3.5,4.5,5.5,6.5,7.5,8.5,9.5,10.5,11.5,12.5,13.5,14.5,"
        "15.5,16.5,17.5,18.5,19.5";
    auto capture = [&](const std::string& program, const std::string& output) {
        std::vector<std::string> command{program, "--size", "160x120", "--at", times, output};
        if (program == kWine) {
            command.insert(command.begin() + 1, "torvane-capture.exe");
        }
        return RunningProgram(command, Show(), Environment()).Wait(600);
    };
    ASSERT_EQ(capture(kWine, "windows"), 0);
    ASSERT_EQ(capture(ProgramPath("torvane-capture"), "linux"), 0);
    for (int frame = 0; frame < 20; ++frame) {
        EXPECT_LE(testing_support::DifferingShare(
                      testing_support::ReadFrame(Show() + "/windows", frame),
                      testing_support::ReadFrame(Show() + "/linux", frame), kChannelTolerance),
                  kOutlierShare)
            << "frame at " << frame << ".5 s";
    }
}

}  // namespace
