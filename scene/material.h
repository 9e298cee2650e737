// Materials: surface colours, shading numbers and texture maps, and the lookups into
// the scene layer's material table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/texture.h"
#include "scene/vector.h"

namespace scene {

struct Material {
    std::string name;
    // "Leaf" switches on alpha testing.
    std::string shaderType;
    Vector wireColor;
    Vector ambient;
    // Alpha is overwritten with opacity / 100 when the material is applied.
    Vector diffuse;
    // Already multiplied by glossiness / 100.
    Vector specular;
    float selfIllumination = 0.0f;
    float opacity = 0.0f;
    float specularLevel = 0.0f;
    // The OpenGL shininess exponent.
    float glossiness = 0.0f;
    render::Texture diffuseMap;
    render::Texture opacityMap;
    render::Texture bumpMap;
    // Drawn as a sphere map.
    render::Texture reflectionMap;
    render::Texture refractionMap;
    float diffuseAmount = 0.0f;
    float opacityAmount = 0.0f;
    float bumpAmount = 0.0f;
    float reflectionAmount = 0.0f;
    float refractionAmount = 0.0f;
};

// The plain white material used where a mesh has none.
Material MakeDefaultMaterial();

// Index of the first material named exactly `name`, or -1.
int32_t FindMaterial(const std::string& name);
// The table record at `index`, or DefaultMaterial when the index names none.
Material& MaterialAt(int32_t index);

}  // namespace scene
