// The web page around the browser build: it shows the log and receives captured frames.
// The desktop builds have no page, and there these do nothing.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// One log line (Windows-1251 text), for the page's log and the browser's console.
void ShowLogLine(const std::string& text);

// A frame captured at `seconds` of the show: RGBA bytes, bottom row first.
void HandFrameToPage(double seconds, int width, int height, const uint8_t* rgba);

}  // namespace platform
