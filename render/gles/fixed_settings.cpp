// The fixed-function settings the shaders read: light, material, fog, alpha test, texture
// environment and coordinate generation.
#include <algorithm>

#include "render/gles/gles.h"
#include "render/gles/state.h"

namespace render::gles {

namespace {

void Set(Vector4& target, const GLfloat* values) {
    std::copy(values, values + 4, target.begin());
}

// The engine lights with GL_LIGHT0 alone; the others have no effect here.
Light* LightNamed(GLenum light) {
    return light == GL_LIGHT0 ? &Current().lighting.light : nullptr;
}

}  // namespace

void AlphaFunc(GLenum function, GLclampf reference) {
    State& state = Current();
    state.alphaFunction = function;
    state.alphaReference = std::clamp(reference, 0.0f, 1.0f);
}

void Fogi(GLenum name, GLint value) {
    if (name == GL_FOG_MODE) {
        Current().fog.mode = static_cast<GLenum>(value);
    } else {
        Fogf(name, static_cast<GLfloat>(value));
    }
}

void Fogf(GLenum name, GLfloat value) {
    Fog& fog = Current().fog;
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
            fog.mode = static_cast<GLenum>(value);
            break;
        default:
            break;
    }
}

void Fogfv(GLenum name, const GLfloat* values) {
    if (name == GL_FOG_COLOR) {
        Set(Current().fog.color, values);
    } else {
        Fogf(name, values[0]);
    }
}

void Lightf(GLenum light, GLenum name, GLfloat value) {
    Light* target = LightNamed(light);
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
            break;
    }
}

void Lightfv(GLenum light, GLenum name, const GLfloat* values) {
    Light* target = LightNamed(light);
    if (!target) {
        return;
    }
    switch (name) {
        case GL_POSITION:
            // Kept in eye space: the model-view matrix of the moment moves it there.
            target->eyePosition =
                Transform(Current().modelView.back(), {values[0], values[1], values[2], values[3]});
            break;
        case GL_AMBIENT:
            Set(target->ambient, values);
            break;
        case GL_DIFFUSE:
            Set(target->diffuse, values);
            break;
        case GL_SPECULAR:
            Set(target->specular, values);
            break;
        default:
            Lightf(light, name, values[0]);
    }
}

void LightModeli(GLenum name, GLint value) {
    Lighting& lighting = Current().lighting;
    if (name == GL_LIGHT_MODEL_LOCAL_VIEWER) {
        lighting.localViewer = value != 0;
    } else if (name == GL_LIGHT_MODEL_COLOR_CONTROL_EXT) {
        lighting.separateSpecular = value == GL_SEPARATE_SPECULAR_COLOR_EXT;
    }
}

// Only the front material is kept: the engine lights one side.
void Materialf(GLenum face, GLenum name, GLfloat value) {
    if (face != GL_BACK && name == GL_SHININESS) {
        Current().lighting.material.shininess = std::clamp(value, 0.0f, 128.0f);
    }
}

void Materialfv(GLenum face, GLenum name, const GLfloat* values) {
    if (face == GL_BACK) {
        return;
    }
    Material& material = Current().lighting.material;
    switch (name) {
        case GL_AMBIENT:
            Set(material.ambient, values);
            break;
        case GL_DIFFUSE:
            Set(material.diffuse, values);
            break;
        case GL_AMBIENT_AND_DIFFUSE:
            Set(material.ambient, values);
            Set(material.diffuse, values);
            break;
        case GL_SPECULAR:
            Set(material.specular, values);
            break;
        case GL_EMISSION:
            Set(material.emission, values);
            break;
        default:
            Materialf(face, name, values[0]);
    }
}

void ColorMaterial(GLenum, GLenum mode) {
    Current().lighting.colorMaterialMode = mode;
}

// Every environment the engine sets multiplies the texture into the colour: modulation,
// and the combiner set to modulate.
void TexEnvi(GLenum, GLenum, GLint) {}

void TexGeni(GLenum coordinate, GLenum name, GLint value) {
    if (name != GL_TEXTURE_GEN_MODE) {
        return;
    }
    TextureUnit& unit = Current().units[static_cast<size_t>(Current().activeUnit)];
    if (coordinate == GL_S) {
        unit.modeS = static_cast<GLenum>(value);
    } else if (coordinate == GL_T) {
        unit.modeT = static_cast<GLenum>(value);
    }
}

}  // namespace render::gles
