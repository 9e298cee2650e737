// Text lines as each system ends them, so that a log reads right in the system's own tools.
#pragma once

#include <string>

namespace platform {

enum class LineEnds { lineFeed, carriageReturnLineFeed };

#ifdef _WIN32
constexpr LineEnds kHostLineEnds = LineEnds::carriageReturnLineFeed;
#else
constexpr LineEnds kHostLineEnds = LineEnds::lineFeed;
#endif

// `text` as the bytes of one line of a text file: every newline in it, and the line's own
// end, written as `ends` has it.
std::string TextLine(const std::string& text, LineEnds ends);

}  // namespace platform
