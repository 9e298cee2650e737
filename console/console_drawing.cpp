// The console screen over the top of the picture.
#include "console/console_drawing.h"

#include <GL/gl.h>

#include "app/window.h"
#include "console/log.h"
#include "render/font.h"
#include "render/renderer.h"

namespace console {

render::Texture ConsoleBackground;

namespace {

void DrawBackground() {
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 0.8f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    render::renderer.UseTexture(ConsoleBackground);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 640, 480, 0, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // A 480-unit image whose lower edge is at the console's height.
    float width = static_cast<float>(app::screenWidth);
    float top = console.height - 480.0f;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(width, top);
    glTexCoord2f(1, 0);
    glVertex2f(0, top);
    glTexCoord2f(1, 1);
    glVertex2f(0, console.height);
    glTexCoord2f(0, 1);
    glVertex2f(width, console.height);
    glEnd();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

// The input line, then the buffer upward from just above it, newest at the bottom.
void DrawText() {
    const render::Font& font = render::ConsoleFont;
    float step = 16.0f * font.sizeFactor;
    render::PrintText(font, 0, console.height - step, console.input + "_");
    int line = console.followTail ? static_cast<int>(console.lines.size()) - 1 : console.viewLine;
    float offset = 2.0f * step;
    while (line >= 0 && line < static_cast<int>(console.lines.size())) {
        render::PrintText(font, 0, console.height - offset, console.lines[line]);
        offset += step;
        if (console.height - offset < 0) {
            break;
        }
        --line;
    }
}

}  // namespace

void LoadConsoleBackground() {
    ConsoleBackground.Load("Data\\Textures\\cons_ss1.jpg");
}

void DrawConsole() {
    if (!console.open) {
        console.input.clear();
        console.historyIndex = static_cast<int>(console.history.size());
        if (console.height <= 0.0f) {
            return;
        }
    }
    DrawBackground();
    DrawText();
}

}  // namespace console
