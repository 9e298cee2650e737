// The content tool's messages for missing packages.
#include <gtest/gtest.h>

#include <functional>

#include "tools/common/prerequisites.h"

using namespace tools::data;

namespace {

// The message that `action` throws; empty where it throws none.
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
    EXPECT_NE(MessageOf([&] { RequireTool(absent); }).find("torvane-some-package"),
              std::string::npos);
    EXPECT_NE(MessageOf([&] { RunTool(absent, {}); }).find("torvane-some-package"),
              std::string::npos);
    EXPECT_NE(MessageOf([] { RequireFont("NoSuchFace.ttf"); }).find("fonts-dejavu-core"),
              std::string::npos);
    EXPECT_NE(MessageOf([] {
                  RunTool(ExternalTool{"false", "coreutils"}, {});
              }).find("failed"),
              std::string::npos);
    EXPECT_NO_THROW(RequireAll());
}

}  // namespace
