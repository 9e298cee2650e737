// Checks on the log: lines that must appear, in order, and the engine's fixed texts.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

// The Windows-1251 line that the timer initialisation logs.
inline constexpr char kTimingLine[] =
    "\xc8\xed\xe8\xf6\xe8\xe0\xeb\xe8\xe7\xe0\xf6\xe8\xff \xf2\xe0\xe9\xec\xe8\xed\xe3\xe0 "
    "\xef\xf0\xee\xf8\xeb\xe0 \xf3\xf1\xef\xe5\xf8\xed\xee.";

// What every run logs from start to the main loop, in order, with no configuration file.
extern const std::vector<std::string> kStartUpLines;

// Log lines that report something missing or broken.
std::vector<std::string> ProblemLines(const std::string& log);

// Adds a failure naming the first of `lines` that is missing or out of order; each
// entry must be a whole line of `log`.
void ExpectLinesInOrder(const std::string& log, const std::vector<std::string>& lines);

}  // namespace testing_support
