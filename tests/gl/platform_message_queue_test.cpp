// SDL events through the message queue into the window procedure, on a real window.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "app/window.h"
#include "platform/messages.h"
#include "support/gl_context.h"

namespace {

using namespace platform;

class MessageQueueGl : public testing_support::GlTest {
protected:
    // Hands every queued event to the window procedure; the characters typed meanwhile.
    std::string Dispatch() {
        std::string typed;
        Message message;
        while (PeekMessage(message)) {
            app::WindowProc(message);
            if (message.message == WM_CHAR) {
                typed += static_cast<char>(message.wParam);
            }
        }
        return typed;
    }
};

void PushWindowEvent(SDL_WindowEventID id) {
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = static_cast<Uint8>(id);
    SDL_PushEvent(&event);
}

TEST_F(MessageQueueGl, MinimisingStopsFramesWhicheverEventComesFirst) {
    const std::vector<std::vector<SDL_WindowEventID>> orders = {
        {SDL_WINDOWEVENT_MINIMIZED, SDL_WINDOWEVENT_FOCUS_LOST},
        {SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_MINIMIZED}};
    for (const auto& order : orders) {
        for (SDL_WindowEventID id : order) {
            PushWindowEvent(id);
        }
        Dispatch();
        EXPECT_FALSE(app::window.windowActive) << "first event " << order[0];
        PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
        PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
        Dispatch();
        EXPECT_TRUE(app::window.windowActive);
    }
    PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    Dispatch();
    EXPECT_TRUE(app::window.windowActive) << "a window left for another keeps drawing";
}

// The console key is the one left of 1 whatever the layout makes it type (US, Russian,
// German, French); the backquote elsewhere is not it.
TEST_F(MessageQueueGl, TheConsoleKeyGoesByItsPlace) {
    const std::tuple<SDL_Scancode, SDL_Keycode, int> keys[] = {
        {SDL_SCANCODE_GRAVE, SDLK_BACKQUOTE, VK_OEM_3},  // US
        {SDL_SCANCODE_GRAVE, 0x451, VK_OEM_3},           // Russian: ё
        {SDL_SCANCODE_GRAVE, SDLK_CARET, VK_OEM_3},      // German
        {SDL_SCANCODE_GRAVE, 0xB2, VK_OEM_3},            // French: ²
        {SDL_SCANCODE_BACKSLASH, SDLK_BACKQUOTE, 0},     // a layout with ` elsewhere
    };
    for (const auto& [scancode, keycode, expected] : keys) {
        SDL_Event event = {};
        event.type = SDL_KEYDOWN;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = keycode;
        SDL_PushEvent(&event);
        Dispatch();
        EXPECT_EQ(app::input.lastKey, expected) << "key code " << keycode;
        app::input.lastKey = 0;
    }
}

// The console's font holds Windows-1251: typed Cyrillic arrives as its bytes, and what
// the code page lacks is dropped.
TEST_F(MessageQueueGl, TypedTextArrivesAsWindows1251) {
    SDL_Event event = {};
    event.type = SDL_TEXTINPUT;
    std::strcpy(event.text.text, "a\xd0\x96\xd1\x8f\xe2\x82\xac\xe4\xb8\xad\xf0\x9f\x99\x82z");
    SDL_PushEvent(&event);
    EXPECT_EQ(Dispatch(), "a\xc6\xff\x88z");  // a Ж я € z
}

}  // namespace
