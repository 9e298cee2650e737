// The overlay pass: title image, statistics lines of the recording variant, caption.
#include "render/overlay.h"

#include <string>

#include "app/main_loop.h"
#include "app/window.h"
#include "console/console_drawing.h"
#include "console/log.h"
#include "production/captions.h"
#include "render/font.h"
#include "render/frame_stats.h"
#include "render/renderer.h"

namespace render {

GLuint UnitQuadList = 0;

namespace {

void SetColor(const scene::Vector& color) {
    glColor3f(color.x, color.y, color.z);
}

// The statistics texts are filled with NULs until their first update; they end there.
std::string Line(const char* label, const std::string& value) {
    return label + std::string(value.c_str());
}

void DrawStatistics() {
    PrintText(ConsoleFont, 5, 5, Line("FPS: ", frameStats.fpsText));
    PrintText(ConsoleFont, 5, 25, Line("Tri./Sec.: ", frameStats.trianglesPerSecondText));
    PrintText(ConsoleFont, 5, 45,
              Line("Tri./Frame: ", console::IntToString(frameStats.trianglesThisFrame)));
    int seconds = static_cast<int>(static_cast<double>(app::scheduleTimer.elapsed) * 0.0001);
    PrintText(ConsoleFont, 5, 65, Line("Time: ", console::IntToString(seconds)));
    console::DrawConsole();
}

}  // namespace

void BuildUnitQuad() {
    UnitQuadList = glGenLists(1);
    glNewList(UnitQuadList, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2i(1, 0);
    glVertex2i(1, 0);
    glTexCoord2i(0, 0);
    glVertex2i(0, 0);
    glTexCoord2i(0, 1);
    glVertex2i(0, 1);
    glTexCoord2i(1, 1);
    glVertex2i(1, 1);
    glEnd();
    glEndList();
}

void DrawImage(int32_t x, int32_t y, const Texture& image) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(static_cast<float>(image.width), static_cast<float>(image.height), 1.0f);
    renderer.UseTexture(image);
    glCallList(UnitQuadList);
    glPopMatrix();
}

void DrawOverlay() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 640.0, 480.0, 0.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glDisable(GL_LIGHTING);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_FOG);
    if (production::titleImage) {
        SetColor(production::titleColor);
        DrawImage(production::titlePosition[0], production::titlePosition[1],
                  *production::titleImage);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    bool fontPresent = ConsoleFont.texture.Present();
    if (app::cameraMode == 1 && fontPresent) {
        DrawStatistics();
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetColor(production::captionColor);
    const std::string& caption = production::CurrentCaption();
    if (!caption.empty() && fontPresent) {
        PrintText(ConsoleFont, 40, 360, caption);
    }
    glEnable(GL_FOG);
    glEnable(GL_LIGHTING);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

void ShowLoadingScreen() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawOverlay();
    glFlush();
    app::SwapScreenBuffers();
    production::NextTitleImage();
}

}  // namespace render
