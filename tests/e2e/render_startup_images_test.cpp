// The presentation's start-up with title images and a font the test writes: each image
// is logged as loaded or missing, in the order the engine loads them.
#include <gtest/gtest.h>
#include <signal.h>

#include <string>

#include "support/log_lines.h"
#include "support/program_runner.h"
#include "support/temp_folder.h"
#include "support/test_images.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

std::string SolidImage(int width, int height) {
    return testing_support::RgbaTga(
        width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4, 200));
}

TEST(StartUpImages, LoadedAndMissingImagesAreLoggedInLoadingOrder) {
    testing_support::TempFolder folder;
    folder.Write("Data/Text/Loading.tga", SolidImage(64, 16));
    folder.Write("Data/Text/SeerDreams.tga", SolidImage(128, 32));
    folder.Write("Data/Text/TheEnd.tga", SolidImage(32, 32));
    folder.Write("Data/Textures/Font/AntiAlias/LC_B.wt", std::string(256, '8'));
    folder.Write("Data/Textures/Font/AntiAlias/LC_B.tga", SolidImage(256, 256));
    RunningProgram program({ProgramPath("torvane")}, folder.path(),
                           {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy"});
    ASSERT_TRUE(
        testing_support::WaitForText(folder.path() + "/Torvan.log", "Start main game loop...", 60));
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(60), 0);
    std::string log = folder.Read("Torvan.log");
    testing_support::ExpectLinesInOrder(
        log, {"Use OpenGL Render...", "OpenGL Vendor: Mesa/X.org",
              "Loaded: Data\\Text\\Loading.tga", "Loaded: Data\\Text\\SeerDreams.tga",
              "Error: Data\\Text\\Stih1.tga not found!", "Error: Data\\Text\\Stih2.tga not found!",
              "Error: Data\\Text\\Stih3.tga not found!", "Error: Data\\Text\\Stih4.tga not found!",
              "Loaded: Data\\Text\\TheEnd.tga", "Loaded: Data\\textures\\font\\AntiAlias\\LC_B.tga",
              "Time system started...", "Start main game loop...", "Torvane shut down..."});
    EXPECT_EQ(log.find("Font: "), std::string::npos);
}

}  // namespace
