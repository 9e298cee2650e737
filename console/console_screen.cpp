// Console slide, input line, history, paging and completion.
#include "console/console_screen.h"

#include <string>
#include <vector>

#include "console/log.h"
#include "console/settings.h"
#include "platform/messages.h"

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

}  // namespace

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
