// The material table and the default material.
#include "scene/material.h"

#include "scene/drawing.h"

namespace scene {

Material MakeDefaultMaterial() {
    Material m;
    m.name = "Default_Material";
    m.shaderType = "Default";
    m.wireColor = Vector(1, 1, 1, 1);
    m.ambient = Vector(0, 0, 0, 1);
    m.diffuse = Vector(1, 1, 1, 1);
    m.specular = Vector(0, 0, 0, 0);
    m.opacity = 100.0f;
    m.diffuseAmount = m.opacityAmount = m.bumpAmount = 100.0f;
    m.reflectionAmount = m.refractionAmount = 100.0f;
    return m;
}

int32_t FindMaterial(const std::string& name) {
    for (size_t i = 0; i < drawing.MaterialTable.size(); ++i) {
        if (drawing.MaterialTable[i].name == name) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

Material& MaterialAt(int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= drawing.MaterialTable.size()) {
        return drawing.DefaultMaterial;
    }
    return drawing.MaterialTable[static_cast<size_t>(index)];
}

}  // namespace scene
