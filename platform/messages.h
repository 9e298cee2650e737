// Window messages and virtual-key codes as the engine knows them, and the message
// queue that SDL events, signals and PostQuitMessage feed.
#pragma once

#include <cstdint>

namespace platform {

enum MessageId : uint32_t {
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSCOMMAND = 0x0112,
    WM_MOUSEMOVE = 0x0200,
};

// wParam values of WM_SYSCOMMAND and WM_ACTIVATE.
enum : uint32_t { SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170 };
enum : uint32_t { WA_INACTIVE = 0, WA_ACTIVE = 1 };

// Virtual keys. Letters and digits are their upper-case ASCII codes.
enum VirtualKey : int {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_OEM_3 = 0xC0,  // the key left of 1 on any layout: the console key
};

struct Message {
    uint32_t message = 0;
    uint64_t wParam = 0;
    int64_t lParam = 0;
};

constexpr int64_t MakeLParam(int low, int high) {
    return static_cast<int64_t>((static_cast<uint32_t>(high & 0xFFFF) << 16) |
                                static_cast<uint32_t>(low & 0xFFFF));
}
constexpr int LowWord(uint64_t value) {
    return static_cast<int>(value & 0xFFFF);
}
constexpr int HighWord(uint64_t value) {
    return static_cast<int>((value >> 16) & 0xFFFF);
}

// Takes the oldest waiting message; first turns pending SDL events and signals into
// messages. False when nothing is waiting.
bool PeekMessage(Message& message);
void PostMessage(uint32_t message, uint64_t wParam, int64_t lParam);
void PostQuitMessage(int exitCode);
// Drops every waiting message and SDL's pending events.
void ClearMessages();

// SIGINT and SIGTERM post WM_CLOSE, so a signal ends a run like closing the window.
void InstallCloseSignals();

// The virtual key of an SDL key, or 0 for keys the engine has no code for. Most keys
// go by the character of the layout (the key code); the console key, VK_OEM_3, by its place
// left of 1 (the scan code).
int VirtualKeyFromSdl(int sdlKeycode, int sdlScancode);

}  // namespace platform
