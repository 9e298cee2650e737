// The browser's fixed-function emulation draws only what it is handed as vertex arrays
// with every vertex carrying the same attributes, and has no display lists, no sphere-map
// texture coordinates and a few settings WebGL has no use for. These stand in for those
// calls, for the browser build only: the desktop builds keep the system's own.
#pragma once

#include <GL/gl.h>

namespace render::webgl {

// The emulation's extension string less GL_ARB_multitexture: its second texture unit
// loses the first unit's texture, so the engine draws with one unit, as on such drivers.
const GLubyte* GetString(GLenum name);

GLuint GenLists(GLsizei range);
void NewList(GLuint list, GLenum mode);
void EndList();
void CallList(GLuint list);
void CallLists(GLsizei count, GLenum type, const GLvoid* lists);
void ListBase(GLuint base);

void Begin(GLenum mode);
void End();
void Vertex(GLfloat x, GLfloat y, GLfloat z);
void TexCoord(GLfloat s, GLfloat t);
void Normal(GLfloat x, GLfloat y, GLfloat z);
void Color(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
void Translate(GLfloat x, GLfloat y, GLfloat z);

void Enable(GLenum capability);
void Disable(GLenum capability);
void TexGeni(GLenum coordinate, GLenum name, GLint value);
void LightModeli(GLenum name, GLint value);
void Lightf(GLenum light, GLenum name, GLfloat value);
void Materialf(GLenum face, GLenum name, GLfloat value);
void Materialfv(GLenum face, GLenum name, const GLfloat* values);
void Lightfv(GLenum light, GLenum name, const GLfloat* values);
void PolygonMode(GLenum face, GLenum mode);
void ColorMaterial(GLenum face, GLenum mode);
// GLU's viewing transforms multiply the current matrix; the emulation's replace it.
void LookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY,
            GLdouble centerZ, GLdouble upX, GLdouble upY, GLdouble upZ);
void Perspective(GLdouble fieldOfViewY, GLdouble aspect, GLdouble zNear, GLdouble zFar);
GLint Build2DMipmaps(GLenum target, GLint components, GLsizei width, GLsizei height, GLenum format,
                     GLenum type, const void* pixels);

}  // namespace render::webgl

// The engine's calls go to the stand-ins; render/web_gl.cpp itself makes the real ones.
#ifndef RENDER_WEB_GL_REAL_CALLS
// clang-format off
#define glGetString render::webgl::GetString
#define glGenLists render::webgl::GenLists
#define glNewList render::webgl::NewList
#define glEndList render::webgl::EndList
#define glCallList render::webgl::CallList
#define glCallLists render::webgl::CallLists
#define glListBase render::webgl::ListBase
#define glBegin render::webgl::Begin
#define glEnd render::webgl::End
#define glVertex2i(x, y) render::webgl::Vertex(GLfloat(x), GLfloat(y), 0.0f)
#define glVertex2f(x, y) render::webgl::Vertex(x, y, 0.0f)
#define glVertex3f render::webgl::Vertex
#define glVertex3d(x, y, z) render::webgl::Vertex(GLfloat(x), GLfloat(y), GLfloat(z))
#define glVertex3fv(v) render::webgl::Vertex((v)[0], (v)[1], (v)[2])
#define glTexCoord2i(s, t) render::webgl::TexCoord(GLfloat(s), GLfloat(t))
#define glTexCoord2f render::webgl::TexCoord
#define glTexCoord2d(s, t) render::webgl::TexCoord(GLfloat(s), GLfloat(t))
#define glTexCoord2fv(v) render::webgl::TexCoord((v)[0], (v)[1])
#define glNormal3f render::webgl::Normal
#define glNormal3d(x, y, z) render::webgl::Normal(GLfloat(x), GLfloat(y), GLfloat(z))
#define glNormal3fv(v) render::webgl::Normal((v)[0], (v)[1], (v)[2])
#define glColor3f(r, g, b) render::webgl::Color(r, g, b, 1.0f)
#define glColor4f render::webgl::Color
#define glColor4fv(v) render::webgl::Color((v)[0], (v)[1], (v)[2], (v)[3])
#define glTranslatef render::webgl::Translate
#define glEnable render::webgl::Enable
#define glDisable render::webgl::Disable
#define glTexGeni render::webgl::TexGeni
#define glLightModeli render::webgl::LightModeli
#define glLightf render::webgl::Lightf
#define glMaterialf render::webgl::Materialf
#define glMaterialfv render::webgl::Materialfv
#define glLightfv render::webgl::Lightfv
#define glPolygonMode render::webgl::PolygonMode
#define glColorMaterial render::webgl::ColorMaterial
#define gluBuild2DMipmaps render::webgl::Build2DMipmaps
#define gluLookAt render::webgl::LookAt
#define gluPerspective render::webgl::Perspective
// clang-format on
#endif
