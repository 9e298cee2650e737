// Applying a material: alpha test, texture units and the fixed-function colours.
#include "render/gl.h"
#include "render/renderer.h"
#include "scene/mesh_drawing.h"

namespace scene {
namespace {

// The float nearest to 200 / 255: leaves drawn with the "Leaf" shader lose their
// mostly transparent texels.
constexpr float kLeafAlphaReference = 0.78431374f;

void ApplyTextures(const Material& material) {
    render::Renderer& renderer = render::renderer;
    if (renderer.multitexture) {
        renderer.SphereMapOff();
        renderer.SetTextureUnit(1, material.diffuseMap);
        renderer.SetTextureUnit(2, material.reflectionMap);
        renderer.SphereMapOn();
    } else if (material.diffuseMap.Present()) {
        renderer.SphereMapOff();
        material.diffuseMap.Bind();
    } else if (material.reflectionMap.Present()) {
        renderer.SphereMapOn();
        material.reflectionMap.Bind();
    }
}

}  // namespace

void ApplyMaterial(Material& material) {
    if (material.shaderType == "Leaf") {
        glAlphaFunc(GL_GREATER, kLeafAlphaReference);
    } else {
        glAlphaFunc(GL_ALWAYS, 0.0f);
    }
    ApplyTextures(material);
    glMaterialfv(GL_FRONT, GL_AMBIENT, material.ambient.Components().data());
    material.diffuse.w = static_cast<float>(material.opacity * 0.01);
    glColor4fv(material.diffuse.Components().data());
    glMaterialfv(GL_FRONT, GL_SPECULAR, material.specular.Components().data());
    float s = material.selfIllumination;
    const float emission[4] = {s, s, s, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.glossiness);
}

}  // namespace scene
