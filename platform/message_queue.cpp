// The message queue: SDL events and signals become window messages, oldest first.
#include <SDL.h>

#include <csignal>

#include "platform/code_page_1251.h"
#include "platform/host.h"
#include "platform/messages.h"

namespace platform {
namespace {

QueueState& queue = host.queue;

void OnCloseSignal(int) {
    queue.closeSignalled = 1;
}

void PostActivation(bool active) {
    PostMessage(WM_ACTIVATE,
                MakeLParam(active ? WA_ACTIVE : WA_INACTIVE, queue.windowMinimised ? 1 : 0), 0);
}

void TranslateWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_MINIMIZED:
            queue.windowMinimised = true;
            PostActivation(false);
            break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
            queue.windowMinimised = false;
            PostActivation(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            PostActivation(true);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            PostActivation(false);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            PostMessage(WM_SIZE, 0, MakeLParam(event.data1, event.data2));
            break;
        case SDL_WINDOWEVENT_CLOSE:
            PostMessage(WM_CLOSE, 0, 0);
            break;
        default:
            break;
    }
}

void TranslateKey(const SDL_KeyboardEvent& event) {
    int key = VirtualKeyFromSdl(event.keysym.sym, event.keysym.scancode);
    if (key != 0) {
        PostMessage(event.type == SDL_KEYDOWN ? WM_KEYDOWN : WM_KEYUP, key, 0);
    }
}

// Typed text arrives as UTF-8; the console takes Windows-1251 bytes, so a character
// without one is dropped.
void TranslateText(const SDL_TextInputEvent& event) {
    for (char32_t codePoint : Utf8ToUnicode(event.text)) {
        int byte = codePoint < 0x80 ? static_cast<int>(codePoint) : UnicodeToCp1251(codePoint);
        if (byte >= 0) {
            PostMessage(WM_CHAR, static_cast<uint64_t>(byte), 0);
        }
    }
}

void TranslateEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            PostMessage(WM_CLOSE, 0, 0);
            break;
        case SDL_WINDOWEVENT:
            TranslateWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            TranslateKey(event.key);
            break;
        case SDL_TEXTINPUT:
            TranslateText(event.text);
            break;
        case SDL_MOUSEMOTION:
            PostMessage(WM_MOUSEMOVE, 0, MakeLParam(event.motion.x, event.motion.y));
            break;
        default:
            break;
    }
}

void GatherEvents() {
    if (queue.closeSignalled && !queue.closeSignalPosted) {
        queue.closeSignalPosted = true;
        PostMessage(WM_CLOSE, 0, 0);
    }
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) {
        return;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        TranslateEvent(event);
    }
}

}  // namespace

bool PeekMessage(Message& message) {
    if (queue.messages.empty()) {
        GatherEvents();
    }
    if (queue.messages.empty()) {
        return false;
    }
    message = queue.messages.front();
    queue.messages.pop_front();
    return true;
}

void PostMessage(uint32_t message, uint64_t wParam, int64_t lParam) {
    queue.messages.push_back(Message{message, wParam, lParam});
}

void PostQuitMessage(int exitCode) {
    PostMessage(WM_QUIT, static_cast<uint64_t>(exitCode), 0);
}

void ClearMessages() {
    queue.messages.clear();
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) {
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
}

void InstallCloseSignals() {
    std::signal(SIGINT, OnCloseSignal);
    std::signal(SIGTERM, OnCloseSignal);
}

}  // namespace platform
