// Light: the parameters of one OpenGL light, of which only those set are sent.
#pragma once

#include <cstdint>

#include "scene/vector.h"

namespace production {

class Light {
public:
    virtual ~Light() = default;

    void SetAmbient(float r, float g, float b, float a);
    void SetDiffuse(float r, float g, float b, float a);
    void SetSpecular(float r, float g, float b, float a);
    void SetPosition(const scene::Vector& p);
    // Switches the constant attenuation on; the value itself is not used.
    void EnableAttenuation(float value);
    scene::Vector Position() const { return position; }
    // Lighting and light 0 on, with the parameters that were set.
    void Apply() const;

    // Every light drives GL_LIGHT0.
    int32_t slot = 0;
    scene::Vector ambient;
    scene::Vector diffuse;
    scene::Vector specular;
    // w = 1: a positional light.
    scene::Vector position;
    bool hasAmbient = false;
    bool hasDiffuse = false;
    bool hasSpecular = false;
    bool hasPosition = false;
    bool hasAttenuation = false;
};

}  // namespace production
