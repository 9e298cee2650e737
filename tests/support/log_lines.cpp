// Log checks shared by the frame-loop and end-to-end tests.
#include "support/log_lines.h"

#include <gtest/gtest.h>

namespace testing_support {

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
