// The player on its default content, ended the hard way: a SIGKILL during loading leaves
// every line printed so far in the log, and a short run under LeakSanitizer leaks nothing
// of the program's own.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

#include "support/program_runner.h"
#include "support/temp_folder.h"

namespace {

using testing_support::ProgramPath;
using testing_support::RunningProgram;

class HardEnding : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing_support::CopyDefaultContent(folder.path())); }
    // Plays until the log holds `line`, then sends `signal`; the log as it is then left.
    std::string PlayUntil(const std::string& line, int signal,
                          const std::vector<std::string>& environment = {}) {
        std::vector<std::string> env = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy"};
        env.insert(env.end(), environment.begin(), environment.end());
        std::filesystem::remove(folder.path() + "/Torvan.log");
        RunningProgram player({ProgramPath("torvane")}, folder.path(), env);
        EXPECT_TRUE(testing_support::WaitForText(folder.path() + "/Torvan.log", line, 120));
        player.Signal(signal);
        player.Wait(60);
        return folder.Read("Torvan.log");
    }

    testing_support::TempFolder folder;
};

TEST_F(HardEnding, AKillDuringLoadingKeepsEveryLinePrinted) {
    std::string whole = PlayUntil("Start main game loop...", SIGTERM);
    const std::string midway = "Starting load M3Files: Data\\Ring3\\ring3";
    std::string killed = PlayUntil(midway, SIGKILL);
    ASSERT_NE(killed.find(midway + "\n"), std::string::npos);
    EXPECT_EQ(killed.find("Start main game loop..."), std::string::npos) << "killed too late";
    EXPECT_EQ(killed.back(), '\n') << "a line was cut";
    EXPECT_EQ(whole.compare(0, killed.size(), killed), 0) << "the killed run's log:\n" << killed;
}

// Mesa and SDL keep some allocations to the end; a leak counts when its stack passes
// through the program's own code.
TEST_F(HardEnding, AShortRunLeaksNothingOfItsOwn) {
    PlayUntil("Start main game loop...", SIGTERM,
              {"ASAN_OPTIONS=detect_leaks=1:log_path=" + folder.path() + "/sanitizer"});
    std::string ours;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        if (entry.path().filename().string().rfind("sanitizer", 0) != 0) {
            continue;
        }
        // The report's blocks, one per leak, end with a blank line.
        std::string report = testing_support::ReadText(entry.path()) + "\n\n";
        for (size_t at = 0, end; (end = report.find("\n\n", at)) != std::string::npos;
             at = end + 2) {
            std::string block = report.substr(at, end - at);
            bool own = block.find(TORVANE_SOURCE_DIR) != std::string::npos ||
                       block.find(TORVANE_BINARY_DIR) != std::string::npos;
            ours += own && block.find(" leak of ") != std::string::npos ? block : "";
        }
    }
    EXPECT_EQ(ours, "");
}

}  // namespace
