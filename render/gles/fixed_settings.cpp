// The fixed-function settings the shaders read: light, material, fog, alpha test, texture
// environment and coordinate generation.
#include <algorithm>
#include <array>

#include "render/gles/context.h"

namespace render::gles {

namespace {

// The engine lights with GL_LIGHT0 alone; the others are counted, not drawn.
Light* LightNamed(GLenum light, const char* call) {
    if (light != GL_LIGHT0) {
        Unsupported(call, light);
        return nullptr;
    }
    return &Current().lighting.light;
}

Vector4 Four(const GLfloat* values) {
    return {values[0], values[1], values[2], values[3]};
}

}  // namespace

void AlphaFunc(GLenum function, GLclampf reference) {
    if (InList([=] { AlphaFunc(function, reference); })) {
        return;
    }
    if (function < GL_NEVER || function > GL_ALWAYS) {
        Unsupported("glAlphaFunc", function);
        return;
    }
    State& state = Current();
    state.alphaFunction = function;
    state.alphaReference = std::clamp(reference, 0.0f, 1.0f);
}

void Fogi(GLenum name, GLint value) {
    Fogf(name, static_cast<GLfloat>(value));
}

void Fogf(GLenum name, GLfloat value) {
    if (InList([=] { Fogf(name, value); })) {
        return;
    }
    Fog& fog = Current().fog;
    const auto mode = static_cast<GLenum>(value);
    switch (name) {
        case GL_FOG_DENSITY:
            fog.density = value;
            break;
        case GL_FOG_START:
            fog.start = value;
            break;
        case GL_FOG_END:
            fog.end = value;
            break;
        case GL_FOG_MODE:
            if (mode == GL_LINEAR || mode == GL_EXP || mode == GL_EXP2) {
                fog.mode = mode;
            } else {
                Unsupported("glFog GL_FOG_MODE", mode);
            }
            break;
        default:
            Unsupported("glFog", name);
    }
}

void Fogfv(GLenum name, const GLfloat* values) {
    if (name != GL_FOG_COLOR) {
        Fogf(name, values[0]);
        return;
    }
    const Vector4 color = Four(values);
    if (InList([color] { Fogfv(GL_FOG_COLOR, color.data()); })) {
        return;
    }
    Current().fog.color = color;
}

void Lightf(GLenum light, GLenum name, GLfloat value) {
    if (InList([=] { Lightf(light, name, value); })) {
        return;
    }
    Light* target = LightNamed(light, "glLight of light");
    if (!target) {
        return;
    }
    switch (name) {
        case GL_CONSTANT_ATTENUATION:
            target->attenuation[0] = value;
            break;
        case GL_LINEAR_ATTENUATION:
            target->attenuation[1] = value;
            break;
        case GL_QUADRATIC_ATTENUATION:
            target->attenuation[2] = value;
            break;
        default:
            Unsupported("glLightf", name);
    }
}

void Lightfv(GLenum light, GLenum name, const GLfloat* values) {
    const bool fourValues =
        name == GL_POSITION || name == GL_AMBIENT || name == GL_DIFFUSE || name == GL_SPECULAR;
    if (!fourValues) {
        Lightf(light, name, values[0]);
        return;
    }
    const Vector4 kept = Four(values);
    if (InList([=] { Lightfv(light, name, kept.data()); })) {
        return;
    }
    Light* target = LightNamed(light, "glLight of light");
    if (!target) {
        return;
    }
    switch (name) {
        case GL_POSITION:
            // Kept in eye space: the model-view matrix of the moment moves it there.
            target->eyePosition = Transform(Current().modelView.back(), kept);
            break;
        case GL_AMBIENT:
            target->ambient = kept;
            break;
        case GL_DIFFUSE:
            target->diffuse = kept;
            break;
        default:
            target->specular = kept;
    }
}

void LightModeli(GLenum name, GLint value) {
    if (InList([=] { LightModeli(name, value); })) {
        return;
    }
    Lighting& lighting = Current().lighting;
    if (name == GL_LIGHT_MODEL_LOCAL_VIEWER) {
        lighting.localViewer = value != 0;
    } else if (name == GL_LIGHT_MODEL_COLOR_CONTROL_EXT) {
        lighting.separateSpecular = value == GL_SEPARATE_SPECULAR_COLOR_EXT;
    } else if (name != GL_LIGHT_MODEL_TWO_SIDE || value != 0) {
        Unsupported("glLightModeli", name);
    }
}

// Only the front material is kept: the engine lights one side. A shininess outside 0 to
// 128 is refused, as OpenGL refuses it: the previous value stays.
void Materialf(GLenum face, GLenum name, GLfloat value) {
    if (InList([=] { Materialf(face, name, value); })) {
        return;
    }
    if (face == GL_BACK || name != GL_SHININESS) {
        Unsupported("glMaterialf", face == GL_BACK ? face : name);
    } else if (value >= 0 && value <= 128) {
        Current().lighting.material.shininess = value;
    } else {
        Unsupported("glMaterialf GL_SHININESS out of range");
    }
}

void Materialfv(GLenum face, GLenum name, const GLfloat* values) {
    if (name == GL_SHININESS) {
        Materialf(face, name, values[0]);
        return;
    }
    const Vector4 kept = Four(values);
    if (InList([=] { Materialfv(face, name, kept.data()); })) {
        return;
    }
    Material& material = Current().lighting.material;
    if (face == GL_BACK) {
        Unsupported("glMaterialfv", face);
        return;
    }
    switch (name) {
        case GL_AMBIENT:
            material.ambient = kept;
            break;
        case GL_DIFFUSE:
            material.diffuse = kept;
            break;
        case GL_AMBIENT_AND_DIFFUSE:
            material.ambient = material.diffuse = kept;
            break;
        case GL_SPECULAR:
            material.specular = kept;
            break;
        case GL_EMISSION:
            material.emission = kept;
            break;
        default:
            Unsupported("glMaterialfv", name);
    }
}

void ColorMaterial(GLenum face, GLenum mode) {
    if (InList([=] { ColorMaterial(face, mode); })) {
        return;
    }
    if (mode != GL_AMBIENT && mode != GL_DIFFUSE && mode != GL_AMBIENT_AND_DIFFUSE) {
        Unsupported("glColorMaterial", mode);
        return;
    }
    Current().lighting.colorMaterialMode = mode;
}

// Every environment the engine sets multiplies the texture into the colour: modulation,
// and the combiner set to modulate. Others are counted.
void TexEnvi(GLenum target, GLenum name, GLint value) {
    if (InList([=] { TexEnvi(target, name, value); })) {
        return;
    }
    const bool modulates =
        (name == GL_TEXTURE_ENV_MODE && (value == GL_MODULATE || value == GL_COMBINE_ARB)) ||
        (name == GL_COMBINE_RGB_ARB && value == GL_MODULATE);
    if (!modulates) {
        Unsupported("glTexEnvi", static_cast<GLenum>(value));
    }
}

void TexGeni(GLenum coordinate, GLenum name, GLint value) {
    if (InList([=] { TexGeni(coordinate, name, value); })) {
        return;
    }
    const auto mode = static_cast<GLenum>(value);
    if (name != GL_TEXTURE_GEN_MODE || (coordinate != GL_S && coordinate != GL_T)) {
        Unsupported("glTexGeni", name);
        return;
    }
    if (mode != GL_SPHERE_MAP) {
        Unsupported("glTexGeni mode", mode);
    }
    TextureUnit& unit = Current().units[static_cast<size_t>(Current().activeUnit)];
    (coordinate == GL_S ? unit.modeS : unit.modeT) = mode;
}

}  // namespace render::gles
