// The log file and the console's line buffer.
#include <gtest/gtest.h>

#include "console/log.h"
#include "console/settings.h"
#include "support/process_test.h"

using console::Print;
using console::settings;

namespace {

class LogTest : public testing_support::ProcessTest {
protected:
};

TEST_F(LogTest, StartWritesBannersAndTruncatesEarlierRun) {
    Print("left over");
    console::StartLog("Torvan.log");
    EXPECT_EQ(Log(), "Torvane 1.0 started...\nConsole started...\n");
    EXPECT_TRUE(console::console.open);
}

TEST_F(LogTest, LinesAreCutAtTheScreenWidthButLoggedWhole) {
    console::console.lines.clear();
    Print("abc");
    Print(std::string(81, 'x'));
    ASSERT_EQ(console::console.lines.size(), 3u);
    EXPECT_EQ(console::console.lines[0], "abc");
    EXPECT_EQ(console::console.lines[1].size(), 80u);
    EXPECT_EQ(console::console.lines[2], "x");
    EXPECT_EQ(console::console.viewLine, 2);
    EXPECT_NE(Log().find("abc\n" + std::string(81, 'x') + "\n"), std::string::npos);

    settings.display_Width = 800;
    Print(std::string(101, 'y'));
    EXPECT_EQ(console::console.lines[3].size(), 100u);
}

TEST_F(LogTest, NarrowScreenAndEmptyTextsAddNoConsoleLines) {
    console::console.lines.clear();
    Print("");
    EXPECT_TRUE(console::console.lines.empty());
    EXPECT_EQ(console::console.viewLine, -1);
    settings.display_Width = 7;
    Print("logged only");
    EXPECT_TRUE(console::console.lines.empty());
    EXPECT_NE(Log().find("\n\nlogged only\n"), std::string::npos);
}

TEST_F(LogTest, ScrolledViewStaysPut) {
    console::console.followTail = false;
    console::console.viewLine = 0;
    Print("new");
    EXPECT_EQ(console::console.viewLine, 0);
}

TEST_F(LogTest, NewlinesStayInsideThePiece) {
    console::console.lines.clear();
    Print("a\nb");
    ASSERT_EQ(console::console.lines.size(), 1u);
    EXPECT_EQ(console::console.lines[0], "a\nb");
}

using LogWithoutFile = testing_support::ProcessTest;

TEST_F(LogWithoutFile, UnwritableFolderStillFillsTheConsole) {
    console::StartLog("/nonexistent-folder/for/sure/Torvan.log");
    Print("still here");
    EXPECT_EQ(console::console.lines.back(), "still here");
}

TEST(NumberText, IntegersAndFloats) {
    EXPECT_EQ(console::IntToString(-5), "-5");
    EXPECT_EQ(console::IntToString(0), "0");
    EXPECT_EQ(console::FloatToString(10.0f), "10.000000");
    EXPECT_EQ(console::FloatToString(2.5f), "2.500000");
    EXPECT_EQ(console::FloatToString(-0.22f), "-0.220000");
}

}  // namespace
