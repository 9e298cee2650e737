// The web page around the browser build: it shows the log, receives captured frames, holds
// the canvas the window draws into and says what the show is doing. The desktop builds
// have no page, and there these do nothing.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// One log line (Windows-1251 text), for the page's log and the browser's console.
void ShowLogLine(const std::string& text);

// A frame captured at `seconds` of the show: RGBA bytes, bottom row first.
void HandFrameToPage(double seconds, int width, int height, const uint8_t* rgba);

// Browser only: whether start-up may load the show: the loading screen has been painted (the
// browser paints between two passes), and the page does not hold start-up there.
bool LoadingMayGoOn();

// Browser only: the show's time at the frame just drawn, for the page's link to this moment.
void TellShowTime(double seconds);

// The configuration asks for fullscreen: the page enters it as soon as the browser allows.
void AskForFullscreen();

// The window is about to close: the page keeps its last picture in its place.
void KeepLastPicture();

}  // namespace platform
