// The console's slide, history, paging and completion.
#include <gtest/gtest.h>

#include "app/free_flight.h"
#include "app/window.h"
#include "console/console_screen.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/messages.h"
#include "support/process_test.h"

namespace {

using console::HandleConsoleKey;
using namespace platform;

using ConsoleScreen = testing_support::ProcessTest;

TEST_F(ConsoleScreen, SlidesInSixtyFramesAndReverses) {
    console::console.open = true;
    console::console.height = 0.0f;
    std::vector<float> heights;
    for (int frame = 0; frame < 91; ++frame) {
        console::UpdateConsole(100);
        heights.push_back(console::console.height);
    }
    EXPECT_FLOAT_EQ(heights[0], 4.0f);
    EXPECT_FLOAT_EQ(heights[59], 240.0f);
    EXPECT_FLOAT_EQ(heights[90], 240.0f);
    console::console.open = false;
    console::UpdateConsole(100);
    EXPECT_FLOAT_EQ(console::console.height, 236.0f);
    console::UpdateConsole(1000000);
    EXPECT_FLOAT_EQ(console::console.height, 0.0f);
}

// Up walks back and stops at the first entry; down walks on to an empty line and keeps
// counting, so as many presses of up lead back.
TEST_F(ConsoleScreen, HistoryUpAndDown) {
    console::console.history = {"zero", "one", "two"};
    console::console.historyIndex = 3;
    std::string seen;
    for (int key : {VK_UP, VK_UP, VK_DOWN, VK_DOWN, VK_DOWN, VK_UP, VK_UP, VK_UP, VK_UP, VK_UP}) {
        HandleConsoleKey(key, 0);
        seen += console::console.input + "|";
    }
    EXPECT_EQ(seen, "two|one|two||||two|one|zero|zero|");
}

TEST_F(ConsoleScreen, TypingEnterAndBackspace) {
    for (char c : std::string("display_Width 7")) {
        HandleConsoleKey(0, static_cast<uint8_t>(c));
    }
    HandleConsoleKey(VK_BACK, 0);
    HandleConsoleKey(0, '9');
    HandleConsoleKey(VK_RETURN, 0);
    EXPECT_EQ(console::settings.display_Width, 9);
    EXPECT_EQ(console::console.input, "");
    EXPECT_EQ(console::console.history.back(), "display_Width 9");
    HandleConsoleKey(VK_BACK, 0);
    EXPECT_EQ(console::console.input, "");
}

// Five lines a page, never before the first line or past the last; the end follows again.
TEST_F(ConsoleScreen, PagingStopsFollowingUntilEnd) {
    console::console.lines.clear();  // the log's banners
    for (int i = 0; i < 11; ++i) {
        console::Print("line");
    }
    console::console.viewLine = 5;
    std::vector<int> seen;
    for (int key : {VK_PRIOR, VK_PRIOR, VK_NEXT, VK_NEXT, VK_NEXT}) {
        HandleConsoleKey(key, 0);
        seen.push_back(console::console.viewLine);
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 5, 10, 10}));
    EXPECT_FALSE(console::console.followTail);
    console::Print("more");
    EXPECT_EQ(console::console.viewLine, 10);
    HandleConsoleKey(VK_END, 0);
    EXPECT_TRUE(console::console.followTail);
    EXPECT_EQ(console::console.viewLine, 11);
}

TEST_F(ConsoleScreen, CompletionListsOrCompletes) {
    console::console.input = "disp";
    HandleConsoleKey(VK_TAB, 0);
    EXPECT_EQ(console::console.input, "disp");
    ASSERT_GE(console::console.lines.size(), 5u);
    EXPECT_EQ(
        std::vector<std::string>(console::console.lines.end() - 5, console::console.lines.end()),
        (std::vector<std::string>{
            "Type more to exactly detect command. I found few:", "display_Width", "display_Height",
            "display_Depth", "display_Fullscreen"}));

    console::console.input = "render_one";
    HandleConsoleKey(VK_TAB, 0);
    EXPECT_EQ(console::console.input, "render_one_object");

    size_t lines = console::console.lines.size();
    console::console.input = "x";
    HandleConsoleKey(VK_TAB, 0);
    EXPECT_EQ(console::console.input, "x");
    EXPECT_EQ(console::console.lines.size(), lines);
}

TEST_F(ConsoleScreen, ConsoleKeyTogglesAndOpenConsoleTakesTheKeys) {
    console::console.open = false;
    app::WindowProc({WM_KEYDOWN, VK_OEM_3, 0});
    app::ConsoleInput(100);
    EXPECT_TRUE(console::console.open);
    app::WindowProc({WM_KEYUP, VK_OEM_3, 0});
    app::WindowProc({WM_CHAR, 'h', 0});
    app::ConsoleInput(100);
    EXPECT_EQ(console::console.input, "h");
}

}  // namespace
