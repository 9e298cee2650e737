// The web page's capture options: the query turned into arguments, or the show played.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/page_capture.h"

namespace {

// Arguments, whether they ask for a capture, and the times, size and rate read.
TEST(PageCapture, ArgumentsChooseCaptureOrPlay) {
    using Times = std::vector<double>;
    const std::vector<std::tuple<std::vector<std::string>, bool, Times, int, int, double>> cases = {
        {{"--at", "20,5,86.5", "--size", "80x60", "--fps", "10"}, true, {5, 20, 86.5}, 80, 60, 10},
        {{"--at", "7"}, true, {7}, 160, 120, 25},
        {{"--fps", "12.5", "--at", "7"}, true, {7}, 160, 120, 12.5},
        {{}, false, {}, 160, 120, 25},
        {{"--size", "160x120"}, false, {}, 160, 120, 25},
        {{"--at", "5,x"}, false, {}, 160, 120, 25},
        {{"--at", "5", "--size", "wide"}, false, {5}, 160, 120, 25},
        {{"--at", "5", "--fps", "0"}, false, {5}, 160, 120, 0},
        {{"--at", "5", "--loop", "1"}, false, {5}, 160, 120, 25},
    };
    for (const auto& [words, captures, times, width, height, fps] : cases) {
        std::vector<char*> argv = {const_cast<char*>("torvane")};
        for (const std::string& word : words) {
            argv.push_back(const_cast<char*>(word.c_str()));
        }
        app::PageCapture capture;
        SCOPED_TRACE(testing::PrintToString(words));
        EXPECT_EQ(app::ReadPageCapture(static_cast<int>(argv.size()), argv.data(), capture),
                  captures);
        EXPECT_EQ(capture.times, times);
        EXPECT_EQ(capture.width, width);
        EXPECT_EQ(capture.height, height);
        EXPECT_EQ(capture.fps, fps);
    }
}

}  // namespace
