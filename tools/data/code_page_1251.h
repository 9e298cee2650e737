// The Windows-1251 code page, in which the engine's fixed Russian messages are stored.
#pragma once

#include <cstdint>

namespace tools::data {

// The Unicode code point of a byte, or 0 for control codes and the one unassigned byte.
uint32_t Cp1251ToUnicode(uint8_t byte);

}  // namespace tools::data
