// The OpenGL the engine draws with: the system's OpenGL 1.1 on the desktop; in a browser,
// and in the desktop build that checks it, the layer over OpenGL ES 2 in render/gles.
// The one file that includes the system's GL headers: everything else draws through it.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>  // Windows' gl.h stops at OpenGL 1.1
#include <GL/glu.h>

#ifdef TORVANE_GLES
#include <GLES2/gl2.h>
// The layer's own files call ES 2 itself; everything else calls the layer.
#ifndef TORVANE_GLES_LAYER
#include "render/gles/entry_points.h"
#endif
#endif
