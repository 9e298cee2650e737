// The overlay pass: title image, statistics lines of the recording variant, caption.
#include "production/overlay.h"

#include "render/gl.h"

#include <string>

#include "console/log.h"
#include "console/settings.h"
#include "production/captions.h"
#include "production/schedule.h"
#include "production/show.h"
#include "render/console_drawing.h"
#include "render/display.h"
#include "render/font.h"
#include "render/overlay.h"

namespace production {
namespace {

using render::display;

void SetColor(const scene::Vector& color) {
    glColor3f(color.x, color.y, color.z);
}

// The statistics texts are filled with NULs until their first update; they end there.
std::string Line(const char* label, const std::string& value) {
    return label + std::string(value.c_str());
}

void DrawStatistics() {
    const render::Font& font = display.ConsoleFont;
    const render::FrameStats& stats = display.frameStats;
    render::PrintText(font, 5, 5, Line("FPS: ", stats.fpsText));
    render::PrintText(font, 5, 25, Line("Tri./Sec.: ", stats.trianglesPerSecondText));
    render::PrintText(font, 5, 45,
                      Line("Tri./Frame: ", console::IntToString(stats.trianglesThisFrame)));
    int seconds = static_cast<int>(static_cast<double>(show.scheduleTime) * 0.0001);
    render::PrintText(font, 5, 65, Line("Time: ", console::IntToString(seconds)));
    render::DrawConsole();
}

}  // namespace

void DrawOverlay() {
    render::PushOverlayProjection();
    glDisable(GL_LIGHTING);
    glBlendFunc(GL_ONE, GL_ONE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glDisable(GL_FOG);
    if (show.titleImage) {
        SetColor(show.titleColor);
        render::DrawImage(show.titlePosition[0], show.titlePosition[1], *show.titleImage);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    bool fontPresent = display.ConsoleFont.texture.Present();
    if (console::cameraMode == 1 && fontPresent) {
        DrawStatistics();
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    SetColor(show.captionColor);
    const std::string& caption = CurrentCaption();
    if (!caption.empty() && fontPresent) {
        render::PrintText(display.ConsoleFont, 40, 360, caption);
    }
    glEnable(GL_FOG);
    glEnable(GL_LIGHTING);
    render::PopOverlayProjection();
}

void ShowLoadingScreen() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    DrawOverlay();
    glFlush();
    render::ShowFrame();
    NextTitleImage();
}

}  // namespace production
