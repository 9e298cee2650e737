// The page's side is JavaScript: Module.onLogLine and Module.onCaptureFrame.
#include "platform/page.h"

#ifdef __EMSCRIPTEN__

#include <emscripten.h>

#include "platform/code_page_1251.h"

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

}  // namespace platform

#else

namespace platform {

void ShowLogLine(const std::string&) {}

void HandFrameToPage(double, int, int, const uint8_t*) {}

}  // namespace platform

#endif
