// Switches, driver strings and queries: what ES 2 has goes on to it, the rest is kept for
// the shaders.
#include <cstring>
#include <string>

#include "render/gles/context.h"

namespace render::gles {

namespace {

// Where the layer keeps a capability ES 2 lacks; null for those ES 2 has itself.
bool* KeptSwitch(GLenum capability) {
    State& state = Current();
    Lighting& lighting = state.lighting;
    TextureUnit& unit = state.units[static_cast<size_t>(state.activeUnit)];
    switch (capability) {
        case GL_LIGHTING:
            return &lighting.enabled;
        case GL_LIGHT0:
            return &lighting.light.enabled;
        case GL_COLOR_MATERIAL:
            return &lighting.colorMaterial;
        case GL_NORMALIZE:
            return &lighting.normalize;
        case GL_FOG:
            return &state.fog.enabled;
        case GL_ALPHA_TEST:
            return &state.alphaTest;
        case GL_TEXTURE_2D:
            return &unit.enabled;
        case GL_TEXTURE_GEN_S:
            return &unit.generateS;
        case GL_TEXTURE_GEN_T:
            return &unit.generateT;
        default:
            return nullptr;
    }
}

// The capabilities ES 2 has as OpenGL 1.1 does.
bool PassesOn(GLenum capability) {
    switch (capability) {
        case GL_BLEND:
        case GL_CULL_FACE:
        case GL_DEPTH_TEST:
        case GL_STENCIL_TEST:
        case GL_DITHER:
        case GL_SCISSOR_TEST:
        case GL_POLYGON_OFFSET_FILL:
            return true;
        default:
            return false;
    }
}

// Smoothing is a request for quality, as a hint is: ES 2 smooths no line or polygon.
bool AskedForQuality(GLenum capability) {
    return capability == GL_LINE_SMOOTH || capability == GL_POINT_SMOOTH ||
           capability == GL_POLYGON_SMOOTH;
}

// A capability the layer does not have draws as if off: only switching it on is counted.
void Switch(GLenum capability, bool on) {
    if (bool* kept = KeptSwitch(capability)) {
        *kept = on;
    } else if (PassesOn(capability)) {
        SendChanged(TheContext().sent.switches[capability], on,
                    [&] { on ? glEnable(capability) : glDisable(capability); });
    } else if (on && !AskedForQuality(capability)) {
        Unsupported("glEnable", capability);
    }
}

std::string Text(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

}  // namespace

void Enable(GLenum capability) {
    if (InList([capability] { Enable(capability); })) {
        return;
    }
    Switch(capability, true);
}

void Disable(GLenum capability) {
    if (InList([capability] { Disable(capability); })) {
        return;
    }
    Switch(capability, false);
}

// Kept in a list as any call is; otherwise nothing: hints oblige no driver, and ES 2
// corrects for perspective always.
void Hint(GLenum target, GLenum mode) {
    InList([=] { Hint(target, mode); });
}

// Smooth shading is the only shading the shaders do.
void ShadeModel(GLenum mode) {
    if (InList([mode] { ShadeModel(mode); })) {
        return;
    }
    if (mode != GL_SMOOTH) {
        Unsupported("glShadeModel", mode);
    }
}

// Both faces take the mode: the engine never sets them apart.
void PolygonMode(GLenum face, GLenum mode) {
    if (InList([=] { PolygonMode(face, mode); })) {
        return;
    }
    if (mode != GL_FILL && mode != GL_LINE) {
        Unsupported("glPolygonMode", mode);
        return;
    }
    Current().polygonMode = mode;
}

void CullFace(GLenum face) {
    if (InList([face] { CullFace(face); })) {
        return;
    }
    SendChanged(TheContext().sent.cullFace, face, [face] { glCullFace(face); });
}

void ClearDepth(GLdouble depth) {
    if (InList([depth] { ClearDepth(depth); })) {
        return;
    }
    const auto value = static_cast<GLfloat>(depth);
    SendChanged(TheContext().sent.clearDepth, value, [value] { glClearDepthf(value); });
}

const GLubyte* GetString(GLenum name) {
    std::string& kept = TheContext().text;
    switch (name) {
        case GL_VERSION:
            kept = "1.1 over OpenGL ES: " + Text(GL_VERSION);
            break;
        case GL_EXTENSIONS:
            kept =
                "GL_ARB_multitexture GL_ARB_texture_env_combine GL_EXT_texture_env_combine "
                "GL_EXT_vertex_array GL_EXT_separate_specular_color GL_EXT_texture_edge_clamp ";
            break;
        default:
            kept = Text(name);
    }
    return reinterpret_cast<const GLubyte*>(kept.c_str());
}

// The engine sets the second unit's coordinates by sphere mapping only; the multitexture
// coordinate calls it never makes are there, as the extension has them, and do nothing.
void IgnoreTextureCoordinate() {}

void* ProcAddress(const char* name) {
    if (std::strncmp(name, "glMultiTexCoord", 15) == 0) {
        return reinterpret_cast<void*>(&IgnoreTextureCoordinate);
    }
    if (std::strcmp(name, "glActiveTextureARB") == 0) {
        return reinterpret_cast<void*>(&ActiveTexture);
    }
    if (std::strcmp(name, "glClientActiveTextureARB") == 0) {
        return reinterpret_cast<void*>(&ClientActiveTexture);
    }
    return nullptr;
}

void GetFloatv(GLenum name, GLfloat* values) {
    const State& state = Current();
    const Matrix* m = name == GL_MODELVIEW_MATRIX    ? &state.modelView.back()
                      : name == GL_PROJECTION_MATRIX ? &state.projection.back()
                      : name == GL_TEXTURE_MATRIX    ? &state.texture.back()
                                                     : nullptr;
    if (m) {
        std::copy(m->begin(), m->end(), values);
    } else {
        glGetFloatv(name, values);
    }
}

}  // namespace render::gles
