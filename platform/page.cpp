// The page's side is JavaScript: Module.onLogLine, onCaptureFrame, onLoadingScreenPainted,
// onShowTime, onFullscreenWanted and onWindowClosing. The page changes the canvas's size
// through torvane_resize_canvas.
#include "platform/page.h"

#ifdef __EMSCRIPTEN__

#include <emscripten.h>
#include <emscripten/html5.h>

#include "platform/code_page_1251.h"
#include "platform/messages.h"

namespace platform {

void ShowLogLine(const std::string& text) {
    std::string utf8 = Cp1251ToUtf8(text);
    EM_ASM(
        {
            if (Module.onLogLine)
                Module.onLogLine(UTF8ToString($0));
        },
        utf8.c_str());
}

void HandFrameToPage(double seconds, int width, int height, const uint8_t* rgba) {
    EM_ASM(
        {
            if (Module.onCaptureFrame)
                Module.onCaptureFrame($0, $1, $2, $3);
        },
        seconds, width, height, rgba);
}

bool LoadingMayGoOn() {
    return EM_ASM_INT({
               return Module.onLoadingScreenPainted ? Module.onLoadingScreenPainted() : 1;
           }) != 0;
}

void TellShowTime(double seconds) {
    EM_ASM(
        {
            if (Module.onShowTime)
                Module.onShowTime($0);
        },
        seconds);
}

void AskForFullscreen() {
    EM_ASM(if (Module.onFullscreenWanted) Module.onFullscreenWanted(););
}

void KeepLastPicture() {
    EM_ASM(if (Module.onWindowClosing) Module.onWindowClosing(););
}

}  // namespace platform

// The page entered or left fullscreen: the canvas, which is the window, takes the new size
// and the window procedure hears of it as of any window's resize.
extern "C" EMSCRIPTEN_KEEPALIVE void torvane_resize_canvas(int width, int height) {
    emscripten_set_canvas_element_size("#canvas", width, height);
    platform::PostMessage(platform::WM_SIZE, 0, platform::MakeLParam(width, height));
}

#else

namespace platform {

void ShowLogLine(const std::string&) {}

void HandFrameToPage(double, int, int, const uint8_t*) {}

void AskForFullscreen() {}

void KeepLastPicture() {}

}  // namespace platform

#endif
