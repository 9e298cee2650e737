// Reading a whole word as a decimal number with the C++ library's fast, locale-free reader,
// where the library has one for floating point.
#pragma once

#include <string_view>

namespace platform {

// True when all of `word` is a plain decimal number, now in `value`; false otherwise, and
// always where the library lacks the reader (the browser build), so that the caller reads
// the word its own way.
bool ReadDecimal(std::string_view word, double& value);

}  // namespace platform
