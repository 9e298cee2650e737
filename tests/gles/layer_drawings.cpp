// The drawings through the layer over OpenGL ES 2.
#include "gles/drawings.h"
#include "render/gl.h"

#define ActiveTextureUnit render::gles::ActiveTexture
#define DRAWINGS_SIDE kLayer
#include "gles/drawings.inc"
