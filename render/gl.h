// The OpenGL the engine draws with: the system's OpenGL 1.1 on the desktop; in a browser,
// and in the desktop build that checks it, the layer over OpenGL ES 2 in render/gles.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>  // Windows' gl.h stops at OpenGL 1.1
#include <GL/glu.h>

#ifdef TORVANE_GLES
#include "render/gles/entry_points.h"
#endif
