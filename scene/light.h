// Light: the parameters of one OpenGL light, of which only those set are sent.
#pragma once

#include <cstdint>

#include "scene/vector.h"

namespace scene {

class Light {
public:
    virtual ~Light() = default;

    void SetAmbient(float r, float g, float b, float a);
    void SetDiffuse(float r, float g, float b, float a);
    void SetSpecular(float r, float g, float b, float a);
    void SetPosition(const Vector& p);
    // Switches the constant attenuation on; the value itself is not used.
    void EnableAttenuation(float value);
    Vector Position() const { return position; }
    // Lighting and light 0 on, with the parameters that were set.
    void Apply() const;

    // Every light drives GL_LIGHT0.
    int32_t slot = 0;
    Vector ambient;
    Vector diffuse;
    Vector specular;
    // w = 1: a positional light.
    Vector position;
    bool hasAmbient = false;
    bool hasDiffuse = false;
    bool hasSpecular = false;
    bool hasPosition = false;
    bool hasAttenuation = false;
};

}  // namespace scene
