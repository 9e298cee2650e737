// Log checks shared by the frame-loop and end-to-end tests.
#include "support/log_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>

namespace testing_support {

const std::vector<std::string> kStartUpLines = {
    "Torvane 1.0 started...",
    "Console started...",
    "Config file not found, let's start with default settings...",
    "Set video mode: 640x480x32 fullscreen=0",
    kTimingLine,
    "Time system started...",
    kTimingLine,
    "Start main game loop...",
};

std::vector<std::string> ProblemLines(const std::string& log) {
    const char* markers[] = {"Error",          "not found", "Can't", "failed", "not supported by",
                             "Unexpected end", "rejected",  "Failed"};
    std::vector<std::string> problems;
    std::istringstream lines(log);
    for (std::string line; std::getline(lines, line);) {
        auto marks = [&](const char* marker) { return line.find(marker) != std::string::npos; };
        if (std::any_of(std::begin(markers), std::end(markers), marks)) {
            problems.push_back(line);
        }
    }
    return problems;
}

void ExpectLinesInOrder(const std::string& log, const std::vector<std::string>& lines) {
    std::string text = "\n" + log;
    size_t at = 0;
    for (const std::string& line : lines) {
        size_t found = text.find("\n" + line + "\n", at);
        if (found == std::string::npos) {
            ADD_FAILURE() << "missing or out of order: " << line << "\nlog:\n" << log;
            return;
        }
        at = found + line.size() + 1;
    }
}

}  // namespace testing_support
