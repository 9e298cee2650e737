// The camera-path tool: the check against the schedule and the refusals of broken input.
#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include "tools/campath/path_check.h"
#include "tools/campath/path_file.h"

namespace {

using namespace tools::campath;

// Playback stops three keys early: 338 keys play 335 s, one short of the schedule; a key far
// off makes two jumps.
TEST(Campath, CheckCountsTheKeysAgainstTheScheduleAndFindsJumps) {
    std::vector<CameraKey> path(338);
    path[100].x = 1000;
    PathReport report = CheckPath(path, kDefaultJumpLimit);
    EXPECT_FALSE(report.LongEnough());
    EXPECT_NE(ReportText(report).find("338 keys: plays 335 s of the schedule's 336 s (too short)"),
              std::string::npos);
    ASSERT_EQ(report.jumps.size(), 2u);
    EXPECT_EQ(report.jumps[0].fromKey, 99u);
    path.resize(339);
    EXPECT_TRUE(CheckPath(path, kDefaultJumpLimit).LongEnough());
}

TEST(Campath, BrokenInputIsRefusedWithItsPlace) {
    const std::pair<const char*, const char*> cases[] = {
        {"0,1,2,3,1,0\n", "line 1: expected 7 fields"},
        {"second,x,y,z,w,heading,pitch\n0,1,2,3,1,0,0\n1,1,2,x,1,0,0\n", "line 3: \"x\" is not"},
        {"0,1,2,3,1,0,0\n2,1,2,3,1,0,0\n", "line 2: second 2 where 1 belongs"},
        {"0,1,2,3,1,0,\n", "line 1: \"\" is not a number"}};
    for (const auto& [csv, message] : cases) {
        try {
            ParsePathCsv(csv);
            ADD_FAILURE() << csv;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(ReadPathFile("missing.vcp"), std::runtime_error);
}

}  // namespace
