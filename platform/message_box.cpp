// Message boxes over SDL, with standard error as the fallback.
#include "platform/message_box.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/code_page_1251.h"

namespace platform {
namespace {

bool DisplayAvailable() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
        return false;
    }
    return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
}

int AskOnTerminal(const std::string& text, const std::string& caption, unsigned style) {
    std::fprintf(stderr, "%s: %s\n", Cp1251ToUtf8(caption).c_str(), Cp1251ToUtf8(text).c_str());
    return (style & MB_YESNO) ? IDNO : IDOK;
}

int AskInWindow(const std::string& text, const std::string& caption, unsigned style) {
    SDL_MessageBoxButtonData yesNo[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"},
    };
    SDL_MessageBoxButtonData ok[] = {{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDOK, "OK"}};
    Uint32 flags =
        (style & 0xF0) == MB_ICONINFORMATION ? SDL_MESSAGEBOX_INFORMATION : SDL_MESSAGEBOX_ERROR;
    if ((style & 0xF0) == MB_ICONEXCLAMATION) {
        flags = SDL_MESSAGEBOX_WARNING;
    }
    std::string title = Cp1251ToUtf8(caption);
    std::string message = Cp1251ToUtf8(text);
    bool question = (style & MB_YESNO) != 0;
    SDL_MessageBoxData data{flags,           nullptr,          title.c_str(),
                            message.c_str(), question ? 2 : 1, question ? yesNo : ok,
                            nullptr};
    int answer = 0;
    if (SDL_ShowMessageBox(&data, &answer) != 0 || answer < 0) {
        return AskOnTerminal(text, caption, style);
    }
    return answer;
}

}  // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    return DisplayAvailable() ? AskInWindow(text, caption, style)
                              : AskOnTerminal(text, caption, style);
}

}  // namespace platform
