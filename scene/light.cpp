// Sending a light to OpenGL.
#include "scene/light.h"

#include "render/gl.h"

namespace scene {

void Light::SetAmbient(float r, float g, float b, float a) {
    ambient = Vector(r, g, b, a);
    hasAmbient = true;
}

void Light::SetDiffuse(float r, float g, float b, float a) {
    diffuse = Vector(r, g, b, a);
    hasDiffuse = true;
}

void Light::SetSpecular(float r, float g, float b, float a) {
    specular = Vector(r, g, b, a);
    hasSpecular = true;
}

void Light::SetPosition(const Vector& p) {
    position = p;
    hasPosition = true;
}

void Light::EnableAttenuation(float) {
    hasAttenuation = true;
}

void Light::Apply() const {
    glEnable(GL_LIGHTING);
    if (hasPosition) {
        glLightfv(GL_LIGHT0, GL_POSITION, position.Components().data());
    }
    if (hasAmbient) {
        glLightfv(GL_LIGHT0, GL_AMBIENT, ambient.Components().data());
    }
    if (hasDiffuse) {
        glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse.Components().data());
    }
    if (hasSpecular) {
        glLightfv(GL_LIGHT0, GL_SPECULAR, specular.Components().data());
    }
    if (hasAttenuation) {
        glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, specular.x);
    }
    glEnable(GL_LIGHT0);
}

}  // namespace scene
