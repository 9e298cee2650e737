// Text lines as each system ends them.
#include "platform/text_line.h"

namespace platform {

std::string TextLine(const std::string& text, LineEnds ends) {
    const char* end = ends == LineEnds::carriageReturnLineFeed ? "\r\n" : "\n";
    std::string line;
    line.reserve(text.size() + 2);
    for (char c : text) {
        if (c == '\n') {
            line += end;
        } else {
            line += c;
        }
    }
    return line + end;
}

}  // namespace platform
