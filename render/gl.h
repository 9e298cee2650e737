// The OpenGL the engine draws with: the system's OpenGL 1.1 on the desktop; in a browser
// the fixed-function emulation over WebGL, with what it lacks supplied by render/web_gl.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>  // Windows' gl.h stops at OpenGL 1.1
#include <GL/glu.h>

#ifdef __EMSCRIPTEN__
#include "render/web_gl.h"
#endif
