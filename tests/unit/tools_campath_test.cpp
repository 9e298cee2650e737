// The camera-path tool on the show's own path: the check against the schedule and the
// refusals of broken input.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/temp_folder.h"
#include "tools/campath/path_check.h"
#include "tools/campath/path_file.h"
#include "tools/data/camera_path.h"
#include "tools/data/content_folder.h"

namespace {

using namespace tools::campath;

class CampathTest : public ::testing::Test {
protected:
    void SetUp() override {
        tools::data::ContentFolder content(folder.path(), nullptr);
        tools::data::WriteCameraPath(content);
    }

    testing_support::TempFolder folder;
};

TEST_F(CampathTest, CheckCountsTheKeysAgainstTheSchedule) {
    PathReport report = CheckPath(ReadPathFile("Campath1.vcp"), kDefaultJumpLimit);
    EXPECT_TRUE(report.LongEnough());
    EXPECT_NE(ReportText(report).find("346 keys: plays 343 s of the schedule's 336 s"),
              std::string::npos);
    std::vector<CameraKey> shortPath(338);  // plays 335 s
    shortPath[100].x = 1000;
    PathReport shortReport = CheckPath(shortPath, kDefaultJumpLimit);
    EXPECT_FALSE(shortReport.LongEnough());
    ASSERT_EQ(shortReport.jumps.size(), 2u);
    EXPECT_EQ(shortReport.jumps[0].fromKey, 99u);
}

TEST_F(CampathTest, BrokenInputIsRefusedWithItsPlace) {
    const struct {
        const char* csv;
        const char* message;
    } cases[] = {
        {"0,1,2,3,1,0\n", "line 1: expected 7 fields"},
        {"second,x,y,z,w,heading,pitch\n0,1,2,3,1,0,0\n1,1,2,x,1,0,0\n", "line 3: \"x\" is not"},
        {"0,1,2,3,1,0,0\n2,1,2,3,1,0,0\n", "line 2: second 2 where 1 belongs"},
        {"0,1,2,3,1,0,\n", "line 1: \"\" is not a number"},
    };
    for (const auto& c : cases) {
        try {
            ParsePathCsv(c.csv);
            ADD_FAILURE() << c.csv;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
    EXPECT_THROW(ReadPathFile("missing.vcp"), std::runtime_error);
}

}  // namespace
