// The console screen over the top of the picture.
#include "render/console_drawing.h"

#include "console/log.h"
#include "render/display.h"
#include "render/font.h"
#include "render/gl.h"
#include "render/overlay.h"
#include "render/renderer.h"

namespace render {

namespace {

void DrawBackground() {
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 0.8f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    renderer.UseTexture(display.ConsoleBackground);
    PushOverlayProjection();
    // A 480-unit image whose lower edge is at the console's height.
    float width = static_cast<float>(display.screenWidth);
    float top = console::console.height - 480.0f;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(width, top);
    glTexCoord2f(1, 0);
    glVertex2f(0, top);
    glTexCoord2f(1, 1);
    glVertex2f(0, console::console.height);
    glTexCoord2f(0, 1);
    glVertex2f(width, console::console.height);
    glEnd();
    PopOverlayProjection();
}

// The input line, then the buffer upward from just above it, newest at the bottom.
void DrawText() {
    const Font& font = display.ConsoleFont;
    float step = 16.0f * font.sizeFactor;
    PrintText(font, 0, console::console.height - step, console::console.input + "_");
    int line = console::console.followTail ? static_cast<int>(console::console.lines.size()) - 1
                                           : console::console.viewLine;
    float offset = 2.0f * step;
    while (line >= 0 && line < static_cast<int>(console::console.lines.size())) {
        PrintText(font, 0, console::console.height - offset, console::console.lines[line]);
        offset += step;
        if (console::console.height - offset < 0) {
            break;
        }
        --line;
    }
}

}  // namespace

void LoadConsoleBackground() {
    display.ConsoleBackground.Load("Data\\Textures\\cons_ss1.jpg");
}

void DrawConsole() {
    if (!console::console.open) {
        console::console.input.clear();
        console::console.historyIndex = static_cast<int>(console::console.history.size());
        if (console::console.height <= 0.0f) {
            return;
        }
    }
    DrawBackground();
    DrawText();
}

}  // namespace render
