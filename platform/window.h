// The one SDL window with its OpenGL compatibility context, the display mode, the cursor
// and GL entry points. The engine's window code drives these in its own order.
#pragma once

#include <string>

namespace platform {

// Starts the video subsystem; false when no video driver can be opened.
bool StartVideo();
void StopVideo();

// Remembers the desktop mode, to return to it when a fullscreen window closes.
void SaveDisplayMode();
// Checks that the display offers width × height, for a fullscreen window. False when refused.
bool ChangeDisplayMode(int width, int height, int depth);
// Leaves fullscreen and gives the desktop back its saved mode.
void RestoreDisplayMode();

// RGBA with `depth` colour bits, alpha 8, depth 24, stencil 8, double buffered.
bool CreateWindow(const std::string& title, int width, int height, int depth, bool fullscreen);
bool CreateContext();
bool MakeContextCurrent();
// Each releases what exists; false when the release itself failed.
bool ReleaseContext();
bool DestroyWindow();
bool HasWindow();
bool HasContext();

void ShowWindow();
void SwapWindow();
void GetClientSize(int& width, int& height);

void ShowCursor(bool show);
// Whether keys and the mouse go to the window.
bool HasInputFocus();
// Moves the cursor to a point of the window's client area; false when the window lacks
// the input focus and the cursor stays where it is.
bool WarpCursor(int clientX, int clientY);

// The screen saver stays off while the window exists.
void DisableScreenSaver();

void* GetProcAddress(const char* name);

}  // namespace platform
