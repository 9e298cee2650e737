// The Windows-1251 code page, in which the engine's fixed Russian texts and the font's
// characters are stored.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The Unicode code point of a byte, or 0 for control codes and the one unassigned byte.
uint32_t Cp1251ToUnicode(uint8_t byte);
// The byte of a code point, or -1 where Windows-1251 has none.
int UnicodeToCp1251(uint32_t codePoint);

// Windows-1251 text as UTF-8, for showing the engine's texts on this system; ASCII passes
// unchanged, the unassigned byte becomes U+FFFD.
std::string Cp1251ToUtf8(const std::string& text);
// The code points of UTF-8 text; a malformed sequence yields U+FFFD for its first byte.
std::u32string Utf8ToUnicode(const std::string& text);

}  // namespace platform
