// SDL2 window, OpenGL context, display mode and cursor.
#include "platform/window.h"

#include <SDL.h>

#include "platform/host.h"
#include "platform/page.h"

namespace platform {
namespace {

VideoState& video = host.video;

void SetPixelFormat(int depth, bool withAlpha) {
    int channel = depth > 16 ? 8 : 5;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, depth > 16 ? 8 : 6);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, withAlpha ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
#ifdef TORVANE_GLES
    // The engine's OpenGL 1.1 is drawn by render/gles over OpenGL ES 2 (WebGL in a browser).
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_ES);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 0);
#endif
}

// SDL places the client area at the point given; the window's frame, its title bar with
// the close button included, belongs at the top left of the screen. The frame's size is
// known once the window is shown.
void PlaceFrameAtOrigin() {
    int top = 0;
    int left = 0;
    if (!video.fullscreen &&
        SDL_GetWindowBordersSize(video.window, &top, &left, nullptr, nullptr) == 0) {
        SDL_SetWindowPosition(video.window, left, top);
    }
}

}  // namespace

void UseOffscreenVideo() {
    video.offscreen = true;
#ifndef _WIN32
    SDL_setenv("SDL_VIDEODRIVER", "offscreen", 1);
#endif
}

bool OffscreenVideo() {
    return video.offscreen;
}

bool StartVideo() {
    if (!video.started) {
        video.started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
    return video.started;
}

void StopVideo() {
    if (video.started) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        video.started = false;
    }
}

void SaveDisplayMode() {
    if (StartVideo()) {
        SDL_GetDesktopDisplayMode(0, &video.desktopMode);
    }
}

bool ChangeDisplayMode(int width, int height, int depth) {
    (void)depth;  // SDL picks the pixel format of the mode; the context asks for the depth
    if (!StartVideo()) {
        return false;
    }
#ifdef __EMSCRIPTEN__
    // A page may enter fullscreen only when the user acts; it does so at the first click.
    (void)width, (void)height;
    return true;
#else
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode closest{};
    if (!SDL_GetClosestDisplayMode(0, &wanted, &closest) || closest.w != width ||
        closest.h != height) {
        return false;
    }
    video.fullscreenMode = closest;
    return true;
#endif
}

void RestoreDisplayMode() {
    if (video.window && video.fullscreen) {
        SDL_SetWindowFullscreen(video.window, 0);
    }
    video.fullscreen = false;
}

bool CreateWindow(const std::string& title, int width, int height, int depth, bool fullscreen) {
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
#ifdef __EMSCRIPTEN__
    // The canvas is the window; the page sizes it (torvane_resize_canvas), fullscreen too.
    if (fullscreen) {
        AskForFullscreen();
        fullscreen = false;
    }
#else
    // A window with a frame can be resized and maximised; the engine follows its size.
    flags |= fullscreen ? SDL_WINDOW_FULLSCREEN : SDL_WINDOW_RESIZABLE;
#endif
    // Some visuals lack destination alpha; a context without it still serves.
    for (bool withAlpha : {true, false}) {
        SetPixelFormat(depth, withAlpha);
        video.window = SDL_CreateWindow(title.c_str(), 0, 0, width, height, flags);
        if (video.window) {
            break;
        }
    }
    if (!video.window) {
        return false;
    }
    video.fullscreen = fullscreen;
    if (fullscreen) {
        SDL_SetWindowDisplayMode(video.window, &video.fullscreenMode);
    }
    return true;
}

bool CreateContext() {
    video.context = SDL_GL_CreateContext(video.window);
    return video.context != nullptr;
}

bool MakeContextCurrent() {
    return SDL_GL_MakeCurrent(video.window, video.context) == 0;
}

bool ReleaseContext() {
    if (!video.context) {
        return true;
    }
    SDL_GL_MakeCurrent(video.window, nullptr);
    SDL_GL_DeleteContext(video.context);
    video.context = nullptr;
    return true;
}

bool DestroyWindow() {
    if (video.window) {
        KeepLastPicture();
        SDL_DestroyWindow(video.window);
        video.window = nullptr;
    }
    return true;
}

bool HasWindow() {
    return video.window != nullptr;
}
bool HasContext() {
    return video.context != nullptr;
}

void ShowWindow() {
    if (video.offscreen) {
        return;
    }
    SDL_ShowWindow(video.window);
    PlaceFrameAtOrigin();
    SDL_RaiseWindow(video.window);
    SDL_StartTextInput();
}

void SwapWindow() {
    if (video.window) {
        SDL_GL_SwapWindow(video.window);
    }
}

void GetClientSize(int& width, int& height) {
    width = height = 0;
    if (video.window) {
        SDL_GL_GetDrawableSize(video.window, &width, &height);
    }
}

void ShowCursor(bool show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool HasInputFocus() {
    return video.window && (SDL_GetWindowFlags(video.window) & SDL_WINDOW_INPUT_FOCUS);
}

// SDL cannot move the cursor into a window that lacks the input focus.
bool WarpCursor(int clientX, int clientY) {
    if (!HasInputFocus()) {
        return false;
    }
    SDL_WarpMouseInWindow(video.window, clientX, clientY);
    return true;
}

void DisableScreenSaver() {
    SDL_DisableScreenSaver();
}

void* GetProcAddress(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

}  // namespace platform
