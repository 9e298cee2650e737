// The drawings with the system's OpenGL: the reference the layer is held to.
#undef TORVANE_GLES
#include "gles/drawings.h"
#include "render/gl.h"

#define ActiveTextureUnit glActiveTexture
#define DRAWINGS_SIDE kDesktop
#include "gles/drawings.inc"
