// The overlay's projection and the unit square images are drawn with.
#include "render/overlay.h"

#include "render/display.h"
#include "render/gl.h"
#include "render/renderer.h"

namespace render {

void BuildUnitQuad() {
    display.UnitQuadList = glGenLists(1);
    glNewList(display.UnitQuadList, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2i(1, 0);
    glVertex2i(1, 0);
    glTexCoord2i(0, 0);
    glVertex2i(0, 0);
    glTexCoord2i(0, 1);
    glVertex2i(0, 1);
    glTexCoord2i(1, 1);
    glVertex2i(1, 1);
    glEnd();
    glEndList();
}

void DrawImage(int32_t x, int32_t y, const Texture& image) {
    glPushMatrix();
    glTranslatef(static_cast<float>(x), static_cast<float>(y), 0.0f);
    glScalef(static_cast<float>(image.width), static_cast<float>(image.height), 1.0f);
    renderer.UseTexture(image);
    glCallList(display.UnitQuadList);
    glPopMatrix();
}

void PushOverlayProjection() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, 640.0, 480.0, 0.0, -100.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
}

void PopOverlayProjection() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

}  // namespace render
