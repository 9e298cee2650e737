// The window procedure's key, character, mouse and activity state.
#include <gtest/gtest.h>

#include <vector>

#include "app/window.h"
#include "platform/messages.h"

namespace {

using namespace platform;

int64_t Send(uint32_t message, uint64_t wParam, int64_t lParam = 0) {
    return app::WindowProc({message, wParam, lParam});
}

// Keys set and clear the table; the input step latches a press and the typed character
// (only its low byte counts) and clears them in the next step.
TEST(WindowProcedure, KeysAndTheInputStep) {
    Send(WM_KEYDOWN, 'W');
    Send(WM_KEYDOWN, VK_OEM_3);
    EXPECT_EQ(app::input.lastKey, VK_OEM_3);
    Send(WM_KEYUP, 'W');
    EXPECT_TRUE(app::KeyDown(VK_OEM_3));
    EXPECT_TRUE(app::KeyDown(VK_OEM_3));
    Send(WM_CHAR, 0x161);
    app::BeginInputStep();
    EXPECT_TRUE(app::KeyPressed(VK_OEM_3));
    EXPECT_EQ(app::input.typedChar, 0x61);
    EXPECT_EQ(app::input.lastKey, 0);
    EXPECT_EQ(app::input.lastChar, 0);
    app::BeginInputStep();
    EXPECT_FALSE(app::KeyPressed(VK_OEM_3));
    Send(WM_KEYUP, VK_OEM_3);
}

// A press counts until a frame has asked for the key, however short: a tap between two
// frames is seen once, a held key on every frame, and a key seen up stays up.
TEST(WindowProcedure, EveryPressIsSeenOnce) {
    // The messages of a step, and KeyDown on the frames after them.
    const std::pair<std::vector<uint32_t>, std::vector<bool>> steps[] = {
        {{WM_KEYDOWN, WM_KEYUP}, {true, false}},
        {{WM_KEYDOWN}, {true, true}},
        {{WM_KEYUP}, {false}},
        {{WM_KEYDOWN, WM_KEYUP, WM_KEYDOWN, WM_KEYUP}, {true, false}},
    };
    for (int key : {int(VK_ESCAPE), int('W')}) {
        for (const auto& [messages, frames] : steps) {
            for (uint32_t message : messages) {
                Send(message, uint64_t(key));
            }
            std::vector<bool> seen;
            for (size_t frame = 0; frame < frames.size(); ++frame) {
                seen.push_back(app::KeyDown(key));
            }
            EXPECT_EQ(seen, frames) << "key " << key << ", " << messages.size() << " messages";
        }
    }
}

// Mouse words are unsigned; only minimising stops frames (closing is the frame loop's).
TEST(WindowProcedure, MouseAndActivity) {
    Send(WM_MOUSEMOVE, 0, MakeLParam(65535, 300));
    EXPECT_EQ(std::pair(app::input.mouseX, app::input.mouseY), std::pair(65535, 300));
    std::vector<bool> active;
    for (auto state :
         {MakeLParam(WA_INACTIVE, 1), MakeLParam(WA_ACTIVE, 0), MakeLParam(WA_INACTIVE, 0)}) {
        Send(WM_ACTIVATE, uint64_t(state));
        active.push_back(app::window.windowActive);
    }
    EXPECT_EQ(active, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(Send(WM_SYSCOMMAND, SC_SCREENSAVE), 0);
}

}  // namespace
