// SDL2 window, OpenGL context, display mode and cursor.
#include "platform/window.h"

#include <SDL.h>

namespace platform {
namespace {

SDL_Window* window = nullptr;
SDL_GLContext context = nullptr;
bool videoStarted = false;
bool fullscreenMode = false;
SDL_DisplayMode desktopMode{};
SDL_DisplayMode fullscreenDisplayMode{};

void SetPixelFormat(int depth, bool withAlpha) {
    int channel = depth > 16 ? 8 : 5;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, depth > 16 ? 8 : 6);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, withAlpha ? 8 : 0);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

}  // namespace

bool StartVideo() {
    if (!videoStarted) {
        videoStarted = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    }
    return videoStarted;
}

void StopVideo() {
    if (videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        videoStarted = false;
    }
}

void SaveDisplayMode() {
    if (StartVideo()) {
        SDL_GetDesktopDisplayMode(0, &desktopMode);
    }
}

bool ChangeDisplayMode(int width, int height, int depth) {
    if (!StartVideo()) {
        return false;
    }
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode closest{};
    if (!SDL_GetClosestDisplayMode(0, &wanted, &closest) || closest.w != width ||
        closest.h != height) {
        return false;
    }
    (void)depth;  // SDL picks the pixel format of the mode; the context asks for the depth
    fullscreenDisplayMode = closest;
    return true;
}

void RestoreDisplayMode() {
    if (window && fullscreenMode) {
        SDL_SetWindowFullscreen(window, 0);
    }
    fullscreenMode = false;
}

bool CreateWindow(const std::string& title, int width, int height, int depth, bool fullscreen) {
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (fullscreen) {
        flags |= SDL_WINDOW_FULLSCREEN;
    }
    // Some visuals lack destination alpha; a context without it still serves.
    for (bool withAlpha : {true, false}) {
        SetPixelFormat(depth, withAlpha);
        window = SDL_CreateWindow(title.c_str(), 0, 0, width, height, flags);
        if (window) {
            break;
        }
    }
    if (!window) {
        return false;
    }
    fullscreenMode = fullscreen;
    if (fullscreen) {
        SDL_SetWindowDisplayMode(window, &fullscreenDisplayMode);
    }
    return true;
}

bool CreateContext() {
    context = SDL_GL_CreateContext(window);
    return context != nullptr;
}

bool MakeContextCurrent() {
    return SDL_GL_MakeCurrent(window, context) == 0;
}

bool ReleaseContext() {
    if (!context) {
        return true;
    }
    SDL_GL_MakeCurrent(window, nullptr);
    SDL_GL_DeleteContext(context);
    context = nullptr;
    return true;
}

bool DestroyWindow() {
    if (window) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    return true;
}

bool HasWindow() {
    return window != nullptr;
}
bool HasContext() {
    return context != nullptr;
}

void ShowWindow() {
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    SDL_StartTextInput();
}

void SwapWindow() {
    if (window) {
        SDL_GL_SwapWindow(window);
    }
}

void GetClientSize(int& width, int& height) {
    width = height = 0;
    if (window) {
        SDL_GL_GetDrawableSize(window, &width, &height);
    }
}

void ShowCursor(bool show) {
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool HasInputFocus() {
    return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS);
}

// SDL cannot move the cursor into a window that lacks the input focus.
bool WarpCursor(int clientX, int clientY) {
    if (!HasInputFocus()) {
        return false;
    }
    SDL_WarpMouseInWindow(window, clientX, clientY);
    return true;
}

void DisableScreenSaver() {
    SDL_DisableScreenSaver();
}

void* GetProcAddress(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

}  // namespace platform
