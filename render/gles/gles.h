// The OpenGL 1.1 the engine draws with, made over OpenGL ES 2: matrix stacks, immediate
// mode, display lists, client arrays, one light, fog, alpha test, two modulating texture
// units with sphere mapping. The browser has only this; on Linux the same layer runs on
// Mesa's ES 2, where its frames are compared with those of the system's OpenGL.
#pragma once

#include <cstdint>

#include "render/gl.h"

namespace render::gles {

// Forgets what belonged to the rendering context, which has ended: a new one starts afresh.
void ForgetContext();

// Draws what is still pending: the frame ends, the picture is shown next.
void EndFrame();

// What the layer did since the context began.
struct Counters {
    uint64_t draws = 0;             // ES 2 draw calls
    uint64_t batches = 0;           // batches of immediate-mode triangles drawn
    uint64_t programsBuilt = 0;     // shaders built, one per feature combination
    uint64_t programsFailed = 0;    // of those, shaders that did not compile or link
    uint64_t skippedDraws = 0;      // draws left out as their shader failed
    uint64_t unsupportedCalls = 0;  // calls or values the layer does not draw
};
const Counters& ReadCounters();

// Driver strings; the extension string names what this layer draws.
const GLubyte* GetString(GLenum name);
// The entry point of an extension this layer offers, or null.
void* ProcAddress(const char* name);

// Capabilities and fixed-function settings.
void Enable(GLenum capability);
void Disable(GLenum capability);
void Hint(GLenum target, GLenum mode);
void ShadeModel(GLenum mode);
void PolygonMode(GLenum face, GLenum mode);
void CullFace(GLenum face);
void ClearDepth(GLdouble depth);
void AlphaFunc(GLenum function, GLclampf reference);
void Fogi(GLenum name, GLint value);
void Fogf(GLenum name, GLfloat value);
void Fogfv(GLenum name, const GLfloat* values);
void Lightf(GLenum light, GLenum name, GLfloat value);
void Lightfv(GLenum light, GLenum name, const GLfloat* values);
void LightModeli(GLenum name, GLint value);
void Materialf(GLenum face, GLenum name, GLfloat value);
void Materialfv(GLenum face, GLenum name, const GLfloat* values);
void ColorMaterial(GLenum face, GLenum mode);
void TexEnvi(GLenum target, GLenum name, GLint value);
void TexGeni(GLenum coordinate, GLenum name, GLint value);
void GetFloatv(GLenum name, GLfloat* values);

// ES 2 state and the frame (framebuffer_state.cpp).
void BlendFunc(GLenum source, GLenum destination);
void DepthFunc(GLenum function);
void DepthMask(GLboolean flag);
void StencilFunc(GLenum function, GLint reference, GLuint mask);
void StencilOp(GLenum fail, GLenum depthFail, GLenum pass);
void ColorMask(GLboolean red, GLboolean green, GLboolean blue, GLboolean alpha);
void FrontFace(GLenum mode);
void Viewport(GLint x, GLint y, GLsizei width, GLsizei height);
void Clear(GLbitfield mask);
void Flush();
void ReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type,
                void* pixels);

// Matrices.
void MatrixMode(GLenum mode);
void LoadIdentity();
void PushMatrix();
void PopMatrix();
void Translatef(GLfloat x, GLfloat y, GLfloat z);
void Scalef(GLfloat x, GLfloat y, GLfloat z);
void MultMatrixf(const GLfloat* matrix);
void Ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
           GLdouble zFar);
void Perspective(GLdouble fieldOfViewY, GLdouble aspect, GLdouble zNear, GLdouble zFar);
void LookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
            GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ);

// Textures.
void ActiveTexture(GLenum unit);
void ClientActiveTexture(GLenum unit);
void BindTexture(GLenum target, GLuint texture);
void TexParameteri(GLenum target, GLenum name, GLint value);
void TexParameterf(GLenum target, GLenum name, GLfloat value);
void TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height,
                GLint border, GLenum format, GLenum type, const void* pixels);
GLint Build2DMipmaps(GLenum target, GLint components, GLsizei width, GLsizei height, GLenum format,
                     GLenum type, const void* pixels);

// Immediate mode.
void Begin(GLenum mode);
void End();
void Vertex(GLfloat x, GLfloat y, GLfloat z);
void Normal(GLfloat x, GLfloat y, GLfloat z);
void Color(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
void TexCoord(GLfloat s, GLfloat t);

// Display lists.
GLuint GenLists(GLsizei range);
void NewList(GLuint list, GLenum mode);
void EndList();
void CallList(GLuint list);
void CallLists(GLsizei count, GLenum type, const GLvoid* lists);
void ListBase(GLuint base);

// Client arrays.
void EnableClientState(GLenum array);
void DisableClientState(GLenum array);
void VertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
void NormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer);
void ColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer);
void DrawArrays(GLenum mode, GLint first, GLsizei count);
void DrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices);

}  // namespace render::gles
