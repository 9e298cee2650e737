// The ES 2 state the engine sets as OpenGL 1.1 has it, and the calls that clear, finish or
// read the frame: the batch is drawn first, under the state it was gathered in.
#include "render/gles/draw.h"
#include "render/gles/gles.h"

namespace render::gles {

void BlendFunc(GLenum source, GLenum destination) {
    FlushBatch();
    glBlendFunc(source, destination);
}

void DepthFunc(GLenum function) {
    FlushBatch();
    glDepthFunc(function);
}

void DepthMask(GLboolean flag) {
    FlushBatch();
    glDepthMask(flag);
}

void StencilFunc(GLenum function, GLint reference, GLuint mask) {
    FlushBatch();
    glStencilFunc(function, reference, mask);
}

void StencilOp(GLenum fail, GLenum depthFail, GLenum pass) {
    FlushBatch();
    glStencilOp(fail, depthFail, pass);
}

void ColorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha) {
    FlushBatch();
    glColorMask(red, green, blue, alpha);
}

void FrontFace(GLenum mode) {
    FlushBatch();
    glFrontFace(mode);
}

void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    FlushBatch();
    glViewport(x, y, width, height);
}

void Clear(GLbitfield mask) {
    FlushBatch();
    glClear(mask);
}

void Flush() {
    FlushBatch();
    glFlush();
}

void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                void* pixels) {
    FlushBatch();
    glReadPixels(x, y, width, height, format, type, pixels);
}

}  // namespace render::gles
