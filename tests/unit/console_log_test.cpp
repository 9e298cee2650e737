// The log file and the console's line buffer.
#include <gtest/gtest.h>

#include <tuple>

#include "console/log.h"
#include "console/settings.h"
#include "platform/text_line.h"
#include "support/process_test.h"

using console::Print;

namespace {

using LogTest = testing_support::ProcessTest;

TEST_F(LogTest, StartWritesBannersAndTruncatesEarlierRunOrOnlyFillsTheConsole) {
    Print("left over");
    console::StartLog("Torvan.log");
    EXPECT_EQ(Log(), "Torvane 1.0 started...\nConsole started...\n");
    EXPECT_TRUE(console::console.open);
    // An unwritable folder still fills the console.
    console::StartLog("/nonexistent-folder/for/sure/Torvan.log");
    Print("still here");
    EXPECT_EQ(console::console.lines.back(), "still here");
}

// Console lines are cut at the screen width in 8-pixel characters (none below one), newlines
// stay inside a piece, and a scrolled view stays put; the log takes every text whole.
TEST_F(LogTest, LinesAreCutAtTheScreenWidthButLoggedWhole) {
    console::console.lines.clear();
    Print("");
    EXPECT_EQ(console::console.viewLine, -1);
    Print("a\nb");
    Print(std::string(81, 'x'));
    EXPECT_EQ(console::console.lines,
              (std::vector<std::string>{"a\nb", std::string(80, 'x'), "x"}));
    EXPECT_EQ(console::console.viewLine, 2);
    console::settings.display_Width = 800;
    console::console.followTail = false;
    Print(std::string(101, 'y'));
    EXPECT_EQ(console::console.lines[3].size(), 100u);
    EXPECT_EQ(console::console.viewLine, 2);
    console::settings.display_Width = 7;
    Print("logged only");
    EXPECT_EQ(console::console.lines.size(), 5u);
    EXPECT_NE(Log().find("\na\nb\n" + std::string(81, 'x') + "\n"), std::string::npos);
    EXPECT_NE(Log().find("\nlogged only\n"), std::string::npos);
}

// Windows ends a text line, and a newline inside it, with CR LF; the other systems with LF.
// The log file's bytes are the host's lines.
TEST_F(LogTest, LinesEndAsTheHostEndsThem) {
    using platform::LineEnds;
    const std::tuple<const char*, LineEnds, const char*> cases[] = {
        {"abc", LineEnds::carriageReturnLineFeed, "abc\r\n"},
        {"a\nb", LineEnds::carriageReturnLineFeed, "a\r\nb\r\n"},
        {"", LineEnds::carriageReturnLineFeed, "\r\n"},
        {"a\nb", LineEnds::lineFeed, "a\nb\n"}};
    for (const auto& [text, ends, line] : cases) {
        EXPECT_EQ(platform::TextLine(text, ends), line) << text;
    }
    console::StartLog("Torvan.log");
    Print("two\nlines");
    EXPECT_EQ(Log(), platform::TextLine("Torvane 1.0 started...\nConsole started...\ntwo\nlines",
                                        platform::kHostLineEnds));
}

}  // namespace
