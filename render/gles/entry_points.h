// The engine's OpenGL calls, sent to the layer over OpenGL ES 2 where the build draws with
// it. Calls ES 2 has as they are (texture names, pixel storage, clear colour) go straight on.
#pragma once

#include "render/gles/gles.h"

// clang-format off
#define glGetString render::gles::GetString
#define glEnable render::gles::Enable
#define glDisable render::gles::Disable
#define glHint render::gles::Hint
#define glShadeModel render::gles::ShadeModel
#define glPolygonMode render::gles::PolygonMode
#define glCullFace render::gles::CullFace
#define glClearDepth render::gles::ClearDepth
#define glAlphaFunc render::gles::AlphaFunc
#define glFogi render::gles::Fogi
#define glFogf render::gles::Fogf
#define glFogfv render::gles::Fogfv
#define glLightf render::gles::Lightf
#define glLightfv render::gles::Lightfv
#define glLightModeli render::gles::LightModeli
#define glMaterialf render::gles::Materialf
#define glMaterialfv render::gles::Materialfv
#define glColorMaterial render::gles::ColorMaterial
#define glTexEnvi render::gles::TexEnvi
#define glTexGeni render::gles::TexGeni
#define glGetFloatv render::gles::GetFloatv
#define glBlendFunc render::gles::BlendFunc
#define glDepthFunc render::gles::DepthFunc
#define glDepthMask render::gles::DepthMask
#define glStencilFunc render::gles::StencilFunc
#define glStencilOp render::gles::StencilOp
#define glColorMask render::gles::ColorMask
#define glFrontFace render::gles::FrontFace
#define glViewport render::gles::Viewport
#define glClear render::gles::Clear
#define glFlush render::gles::Flush
#define glReadPixels render::gles::ReadPixels
#define glMatrixMode render::gles::MatrixMode
#define glLoadIdentity render::gles::LoadIdentity
#define glPushMatrix render::gles::PushMatrix
#define glPopMatrix render::gles::PopMatrix
#define glTranslatef render::gles::Translatef
#define glScalef render::gles::Scalef
#define glMultMatrixf render::gles::MultMatrixf
#define glOrtho render::gles::Ortho
#define gluPerspective render::gles::Perspective
#define gluLookAt render::gles::LookAt
#define glBindTexture render::gles::BindTexture
#define glTexParameteri render::gles::TexParameteri
#define glTexParameterf render::gles::TexParameterf
#define glTexImage2D render::gles::TexImage2D
#define gluBuild2DMipmaps render::gles::Build2DMipmaps
#define glBegin render::gles::Begin
#define glEnd render::gles::End
#define glVertex2i(x, y) render::gles::Vertex(GLfloat(x), GLfloat(y), 0.0f)
#define glVertex2f(x, y) render::gles::Vertex(x, y, 0.0f)
#define glVertex3f render::gles::Vertex
#define glVertex3d(x, y, z) render::gles::Vertex(GLfloat(x), GLfloat(y), GLfloat(z))
#define glVertex3fv(v) render::gles::Vertex((v)[0], (v)[1], (v)[2])
#define glNormal3f render::gles::Normal
#define glNormal3d(x, y, z) render::gles::Normal(GLfloat(x), GLfloat(y), GLfloat(z))
#define glNormal3fv(v) render::gles::Normal((v)[0], (v)[1], (v)[2])
#define glColor3f(r, g, b) render::gles::Color(r, g, b, 1.0f)
#define glColor4f render::gles::Color
#define glColor3fv(v) render::gles::Color((v)[0], (v)[1], (v)[2], 1.0f)
#define glColor4fv(v) render::gles::Color((v)[0], (v)[1], (v)[2], (v)[3])
#define glTexCoord2i(s, t) render::gles::TexCoord(GLfloat(s), GLfloat(t))
#define glTexCoord2f render::gles::TexCoord
#define glTexCoord2d(s, t) render::gles::TexCoord(GLfloat(s), GLfloat(t))
#define glTexCoord2fv(v) render::gles::TexCoord((v)[0], (v)[1])
#define glGenLists render::gles::GenLists
#define glNewList render::gles::NewList
#define glEndList render::gles::EndList
#define glCallList render::gles::CallList
#define glCallLists render::gles::CallLists
#define glListBase render::gles::ListBase
#define glEnableClientState render::gles::EnableClientState
#define glDisableClientState render::gles::DisableClientState
#define glVertexPointer render::gles::VertexPointer
#define glNormalPointer render::gles::NormalPointer
#define glColorPointer render::gles::ColorPointer
#define glTexCoordPointer render::gles::TexCoordPointer
#define glDrawArrays render::gles::DrawArrays
#define glDrawElements render::gles::DrawElements
// clang-format on
