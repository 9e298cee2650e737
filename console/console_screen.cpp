// Console slide, input line, history, paging and completion.
#include "console/console_screen.h"

#include <string>
#include <vector>

#include "app/window.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/messages.h"
#include "production/production.h"

namespace console {
namespace {

constexpr int kPageLines = 5;

int LineCount() {
    return static_cast<int>(console.lines.size());
}
int HistoryCount() {
    return static_cast<int>(console.history.size());
}

void HistoryUp() {
    if (console.historyIndex > 0) {
        --console.historyIndex;
        if (console.historyIndex < HistoryCount()) {
            console.input = console.history[console.historyIndex];
        }
    }
}

// Further presses past the end keep counting, so as many Up presses lead back.
void HistoryDown() {
    if (console.historyIndex < HistoryCount() - 1) {
        ++console.historyIndex;
        console.input = console.history[console.historyIndex];
    } else {
        ++console.historyIndex;
        console.input.clear();
    }
}

void PageUp() {
    console.followTail = false;
    if (console.viewLine - kPageLines >= 0) {
        console.viewLine -= kPageLines;
    }
}

void PageDown() {
    console.followTail = false;
    if (console.viewLine + kPageLines < LineCount()) {
        console.viewLine += kPageLines;
    }
}

// The mouse's offset from the window centre turns the camera; the cursor goes back.
void MouseLook(scene::Camera& camera, float seconds) {
    int offsetX, offsetY;
    app::MouseOffset(offsetX, offsetY);
    float dx = static_cast<float>(offsetX);
    float dy = static_cast<float>(offsetY);
    float scale = static_cast<float>(settings.mouse_Sensitivity) * 10.0f * seconds;
    camera.heading -= dx * scale * settings.mouse_FactorX;
    camera.pitch -= dy * scale * settings.mouse_FactorY;
    if (camera.pitch > 89.0f) {
        camera.pitch = 89.0f;
    }
    if (camera.pitch < -89.0f) {
        camera.pitch = -89.0f;
    }
    app::RecentreCursor();
}

}  // namespace

void FlyCamera(scene::Camera& camera, float seconds) {
    scene::Vector move(0, 0, 0);
    scene::Vector side = camera.forward.Cross(camera.up);
    if (app::KeyDown('W')) {
        move = move + camera.forward;
    }
    if (app::KeyDown('S')) {
        move = move - camera.forward;
    }
    if (app::KeyDown('D')) {
        move = move + side;
    }
    if (app::KeyDown('A')) {
        move = move - side;
    }
    float length = move.Length();
    if (length != 0.0f) {
        move = move * (1.0f / length);
    }
    scene::Vector step = move * (settings.camera_Speed * seconds);
    camera.position.x += step.x;
    camera.position.y += step.y;
    camera.position.z += step.z;
}

void ConsoleInput(int64_t ticks) {
    float seconds = static_cast<float>(ticks) * 0.0001f;
    app::BeginInputStep();
    MouseLook(production::camera, seconds);
    if (app::KeyPressed(platform::VK_OEM_3)) {
        console.open = !console.open;
        return;
    }
    if (!console.open) {
        FlyCamera(production::camera, seconds);
        return;
    }
    HandleConsoleKey(app::pressedKey, app::typedChar);
}

void UpdateConsole(int64_t ticks) {
    float step = static_cast<float>(ticks) * console.slideSpeed * 0.0001f;
    if (console.open) {
        if (console.height < kConsoleOpenHeight) {
            console.height += step;
        }
        if (console.height > kConsoleOpenHeight) {
            console.height = kConsoleOpenHeight;
        }
    } else {
        if (console.height > 0.0f) {
            console.height -= step;
        }
        if (console.height < 0.0f) {
            console.height = 0.0f;
        }
    }
}

void HandleConsoleKey(int key, uint8_t typedChar) {
    using namespace platform;
    switch (key) {
        case VK_UP:
            HistoryUp();
            break;
        case VK_DOWN:
            HistoryDown();
            break;
        case VK_RETURN: {
            std::string line = console.input;
            Execute(line);
            console.input.clear();
            break;
        }
        case VK_BACK:
            if (!console.input.empty()) {
                console.input.pop_back();
            }
            break;
        case VK_PRIOR:
            PageUp();
            break;
        case VK_NEXT:
            PageDown();
            break;
        case VK_END:
            console.followTail = true;
            console.viewLine = LineCount() - 1;
            break;
        case VK_TAB:
            if (!console.input.empty()) {
                Autocomplete();
            }
            break;
        default:
            if (typedChar != 0) {
                console.input += static_cast<char>(typedChar);
            }
            break;
    }
}

void Autocomplete() {
    std::string prefix = Upper(console.input);
    std::vector<int> matches;
    for (int i = 0; i < kVariableCount; ++i) {
        std::string name = Upper(variables[i].name);
        if (name.compare(0, prefix.size(), prefix) == 0 && name.size() >= prefix.size()) {
            matches.push_back(i);
        }
    }
    if (matches.size() == 1) {
        console.input = variables[matches[0]].name;
    } else if (matches.size() > 1) {
        Print("Type more to exactly detect command. I found few:");
        for (int index : matches) {
            Print(variables[index].name);
        }
    }
}

}  // namespace console
