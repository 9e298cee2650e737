// The ES 2 state the engine sets as OpenGL 1.1 has it, sent when it changes, and the calls
// that clear, finish or read the frame: the batch is drawn first, under the state it was
// gathered in.
#include "render/gles/context.h"

namespace render::gles {

void BlendFunc(GLenum source, GLenum destination) {
    if (InList([=] { BlendFunc(source, destination); })) {
        return;
    }
    SendChanged(TheContext().sent.blend, {source, destination},
                [=] { glBlendFunc(source, destination); });
}

void DepthFunc(GLenum function) {
    if (InList([=] { DepthFunc(function); })) {
        return;
    }
    SendChanged(TheContext().sent.depthFunction, function, [=] { glDepthFunc(function); });
}

void DepthMask(GLboolean flag) {
    if (InList([=] { DepthMask(flag); })) {
        return;
    }
    SendChanged(TheContext().sent.depthMask, flag, [=] { glDepthMask(flag); });
}

void StencilFunc(GLenum function, GLint reference, GLuint mask) {
    if (InList([=] { StencilFunc(function, reference, mask); })) {
        return;
    }
    SendChanged(TheContext().sent.stencilFunction, {function, static_cast<GLuint>(reference), mask},
                [=] { glStencilFunc(function, reference, mask); });
}

void StencilOp(GLenum fail, GLenum depthFail, GLenum pass) {
    if (InList([=] { StencilOp(fail, depthFail, pass); })) {
        return;
    }
    SendChanged(TheContext().sent.stencilOperations, {fail, depthFail, pass},
                [=] { glStencilOp(fail, depthFail, pass); });
}

void ColorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha) {
    if (InList([=] { ColorMask(red, green, blue, alpha); })) {
        return;
    }
    SendChanged(TheContext().sent.colorMask, {red, green, blue, alpha},
                [=] { glColorMask(red, green, blue, alpha); });
}

void FrontFace(GLenum mode) {
    if (InList([=] { FrontFace(mode); })) {
        return;
    }
    SendChanged(TheContext().sent.frontFace, mode, [=] { glFrontFace(mode); });
}

void Viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (InList([=] { Viewport(x, y, width, height); })) {
        return;
    }
    SendChanged(TheContext().sent.viewport, {x, y, width, height},
                [=] { glViewport(x, y, width, height); });
}

void Clear(GLbitfield mask) {
    if (InList([=] { Clear(mask); })) {
        return;
    }
    FlushBatch();
    glClear(mask);
}

void Flush() {
    if (InList([] { Flush(); })) {
        return;
    }
    FlushBatch();
    glFlush();
}

// Not kept in a list: OpenGL runs it at once.
void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                void* pixels) {
    FlushBatch();
    glReadPixels(x, y, width, height, format, type, pixels);
}

}  // namespace render::gles
