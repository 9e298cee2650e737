// The drop-down console of the recording variant: the slide, the input line with its
// history, paging through the buffer and name completion.
#pragma once

#include <cstdint>

namespace console {

constexpr float kConsoleOpenHeight = 240.0f;

// Slides the console towards open or closed by `ticks` of 1/10000 s.
void UpdateConsole(int64_t ticks);
// One key of the open console: history, Enter, Backspace, paging, Tab, or a typed
// character. `key` is the virtual key pressed since the last frame (0 for none).
void HandleConsoleKey(int key, uint8_t typedChar);
// Completes the input line from the console variable names.
void Autocomplete();
}  // namespace console
