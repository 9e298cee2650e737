// std::from_chars for double where the C++ library has it.
#include "platform/decimal.h"

#include <charconv>

namespace platform {

#ifdef __EMSCRIPTEN__

bool ReadDecimal(std::string_view, double&) {
    return false;  // this library's from_chars reads integers only
}

#else

bool ReadDecimal(std::string_view word, double& value) {
    const char* end = word.data() + word.size();
    auto [stop, error] = std::from_chars(word.data(), end, value);
    return stop == end && error == std::errc();
}

#endif

}  // namespace platform
