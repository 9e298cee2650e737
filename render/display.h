// The display: the window and its OpenGL context in the requested video mode, the
// projection on resize and the fixed GL state, and the display state the rest of the
// engine reads (size, frame statistics, the font, the unit square).
#pragma once

#include "render/gl.h"

#include <string>

#include "render/font.h"
#include "render/frame_stats.h"

namespace render {

struct Display {
    bool fullscreen = true;
    int screenWidth = 0;
    int screenHeight = 0;
    FrameStats frameStats;
    // The one font of all screen text.
    Font ConsoleFont;
    // Behind the drop-down console.
    Texture ConsoleBackground;
    // Display list of the unit square, texture coordinates equal to positions.
    GLuint UnitQuadList = 0;
};

extern Display display;

void SetVideoMode(int width, int height, int depth, bool fullscreenRequested);
bool CreateGLWindow(const std::string& title, int width, int height, int depth,
                    bool fullscreenRequested);
void KillWindow();
void ResizeScene(int width, int height);
bool InitGLState();
// Ends the frame: what is still pending is drawn, then the picture is shown.
void ShowFrame();

}  // namespace render
