// Console variables, the command interpreter and the configuration file.
#include <gtest/gtest.h>

#include <tuple>

#include "console/config.h"
#include "console/log.h"
#include "console/settings.h"
#include "support/process_test.h"

using console::Execute;
using console::settings;

namespace {

class SettingsTest : public testing_support::ProcessTest {
protected:
    std::string LastLine() const { return console::console.lines.back(); }
};

TEST_F(SettingsTest, SetQueryAndEcho) {
    Execute("display_Width 800");
    EXPECT_EQ(settings.display_Width, 800);
    EXPECT_EQ(LastLine(), "display_Width 800");
    Execute("DISPLAY_WIDTH");
    EXPECT_EQ(LastLine(), "DISPLAY_WIDTH 800");
    Execute("mouse_factorx -0.5");
    EXPECT_FLOAT_EQ(settings.mouse_FactorX, -0.5f);
    Execute("mouse_FactorX");
    EXPECT_EQ(LastLine(), "mouse_FactorX -0.500000");
    Execute("display_Width abc");
    EXPECT_EQ(settings.display_Width, 0);
}

// A bool takes 0 and 1 (a word reads as its leading number); anything else leaves it.
TEST_F(SettingsTest, BoolsTakeOnlyZeroAndOne) {
    const std::tuple<bool, const char*, bool> cases[] = {
        {false, "1", true}, {true, "0", false},  {true, "2", true},  {false, "2", false},
        {true, "-1", true}, {false, "7", false}, {true, "x", false}, {false, "1abc", true}};
    for (const auto& [before, value, after] : cases) {
        settings.render_WireFrame = before;
        Execute(std::string("render_WireFrame ") + value);
        EXPECT_EQ(settings.render_WireFrame, after) << before << " given " << value;
        EXPECT_EQ(LastLine(), std::string("render_WireFrame ") + value);
    }
    Execute("render_WireFrame");
    EXPECT_EQ(LastLine(), "render_WireFrame 1");
}

TEST_F(SettingsTest, UnknownNamesAreReportedAndRemembered) {
    Execute("foo 1");
    EXPECT_EQ(LastLine().find("Error! \"foo 1\" is unknow command ("), 0u);
    ASSERT_EQ(console::console.history.size(), 1u);
    EXPECT_EQ(console::console.history[0], "foo 1");
    EXPECT_EQ(console::console.historyIndex, 1);
    Execute("   ");
    EXPECT_EQ(console::console.history.size(), 1u);
}

TEST_F(SettingsTest, HelpListsEveryName) {
    const auto& lines = console::console.lines;
    size_t before = lines.size();
    Execute("help");
    ASSERT_EQ(lines.size() - before, 23u);
    EXPECT_EQ((std::vector<std::string>{lines[before], lines[before + 3], lines[before + 20],
                                        lines[before + 21], lines[before + 22]}),
              (std::vector<std::string>{std::string(37, '-'), "help", "render_one_object",
                                        std::string(37, '-'), "help"}));
    Execute("help 1");
    EXPECT_EQ(LastLine(), "help 1");
}

// Lines starting with a slash or with one in the second place are comments; runs of blanks
// become one; the last line needs no line end.
TEST_F(SettingsTest, ConfigFileCommentsBlanksAndLastLine) {
    folder.Write("torvane.CFG",
                 "// comment\n /x\nx/\n\ndisplay_Height 600\r\ndisplay_Depth \t  16\n"
                 "display_Width 800 \nmouse_Sensitivity 5");
    console::LoadConfig("Torvane.cfg");
    EXPECT_EQ((std::vector<int32_t>{settings.display_Height, settings.display_Depth,
                                    settings.display_Width, settings.mouse_Sensitivity}),
              (std::vector<int32_t>{600, 16, 800, 5}));
    EXPECT_NE(Log().find("\ndisplay_Height 600\ndisplay_Depth 16\ndisplay_Width 800 \n"),
              std::string::npos);
    EXPECT_EQ(console::console.history.size(), 4u);
}

}  // namespace
