// The content tool's messages for missing packages.
#include <gtest/gtest.h>

#include <functional>

#include "tools/common/prerequisites.h"

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

}  // namespace
