// The content tool's building blocks that a user meets: the messages for missing
// packages and the title images' fit on the overlay.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "tools/data/prerequisites.h"
#include "tools/data/title_plates.h"

using namespace tools::data;

namespace {

std::string MessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        return error.what();
    }
    return "";
}

TEST(Prerequisites, MissingProgramsAndFontsNameTheirPackage) {
    const ExternalTool absent{"torvane-no-such-program", "torvane-some-package"};
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { RequireTool(absent); }, "torvane-some-package"},
        {[&] { RunTool(absent, {}); }, "torvane-some-package"},
        {[] { RequireFont("NoSuchFace.ttf"); }, "fonts-dejavu-core"},
        {[] {
             RunTool(ExternalTool{"false", "coreutils"}, {});
         },
         "failed"},
    };
    for (const auto& [action, expected] : cases) {
        EXPECT_NE(MessageOf(action).find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(MessageOf([] { RequireAll(); }), "");
}

// Where the overlay puts each plate at most: x = 70, and the lowest y of its entries.
TEST(TitlePlates, FitTheOverlayAndShowLightTextOnBlack) {
    const std::map<std::string, int> lowest = {
        {"Loading", 180}, {"SeerDreams", 210}, {"Stih1", 250}, {"Stih2", 250},
        {"Stih3", 250},   {"Stih4", 250},      {"TheEnd", 200}};
    ASSERT_EQ(TitlePlates().size(), lowest.size());
    for (const TitlePlate& plate : TitlePlates()) {
        std::string name = plate.name;
        name = name.substr(name.rfind('\\') + 1);
        name = name.substr(0, name.find('.'));
        SCOPED_TRACE(name);
        ASSERT_TRUE(lowest.count(name));
        EXPECT_LE(70 + plate.width, 640);
        EXPECT_LE(lowest.at(name) + plate.height, 480);
        Image image = PaintTitlePlate(plate);
        int brightest = 0;
        for (const Rgba& p : image.pixels()) {
            brightest = std::max(brightest, std::min({p.r, p.g, p.b}) + 0);
        }
        EXPECT_GT(brightest, 200);
        const Rgba& corner = image.at(0, plate.height - 1);
        EXPECT_EQ(corner.r + corner.g + corner.b, 0);
    }
}

}  // namespace
