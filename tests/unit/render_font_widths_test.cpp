// Glyph widths from the font's metrics file, including short and missing files.
#include <gtest/gtest.h>

#include "render/font.h"
#include "support/process_test.h"

namespace {

class FontWidths : public testing_support::ProcessTest {
protected:
    render::Font font;
};

TEST_F(FontWidths, EachCharacterIsItsCodeMinusZero) {
    std::string metrics = "84:A" + std::string(251, '9') + "\xff";
    folder.Write("Data/font/LC_B.wt", metrics);
    font.LoadWidths("Data\\Font\\lc_b.wt");
    // The last is taken as a signed byte: 0xFF − 48 = 207 reads as −49.
    EXPECT_EQ((std::vector<int>{font.widths[0], font.widths[1], font.widths[2], font.widths[3],
                                font.widths[254], font.widths[255]}),
              (std::vector<int>{8, 4, 10, 17, 9, -49}));
    EXPECT_EQ(Log().find("Font:"), std::string::npos);
}

TEST_F(FontWidths, ShortOrMissingFilesLeaveTheRestAtZero) {
    for (int& width : font.widths) {
        width = 7;
    }
    folder.Write("short.wt", "56");
    font.LoadWidths("short.wt");
    EXPECT_EQ(font.widths[0], 5);
    EXPECT_EQ(font.widths[1], 6);
    for (int glyph = 2; glyph < 256; ++glyph) {
        ASSERT_EQ(font.widths[glyph], 0) << glyph;
    }
    EXPECT_NE(Log().find("Font: short.wt gives 2 of 256 glyph widths"), std::string::npos);
    font.LoadWidths("missing.wt");
    EXPECT_EQ(font.widths[0], 0);
    EXPECT_NE(Log().find("Font: missing.wt gives 0 of 256"), std::string::npos);
}

}  // namespace
