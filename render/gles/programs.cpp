// The shader for the state of the moment: found by its features, built the first time they
// are met, its uniforms sent only when they changed since its last draw.
#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "console/log.h"
#include "render/gles/draw.h"
#include "render/gles/shaders.h"
#include "render/gles/state.h"

namespace render::gles {

namespace {

// The uniforms whose values a DrawState holds, in its order. The shaders have no
// projection: the model-view-projection and normal matrices are made from the first two.
struct UniformSlot {
    const char* name;
    int count;
};

const UniformSlot kSlots[] = {
    {"uModelView", 16},      {"uProjection", 16},      {"uLightPosition", 4},
    {"uLightAmbient", 4},    {"uLightDiffuse", 4},     {"uLightSpecular", 4},
    {"uAttenuation", 3},     {"uSceneAmbient", 4},     {"uMaterialAmbient", 4},
    {"uMaterialDiffuse", 4}, {"uMaterialSpecular", 4}, {"uMaterialEmission", 4},
    {"uShininess", 1},       {"uFogColor", 4},         {"uFog", 3},
    {"uAlphaReference", 1},
};
constexpr int kSlotCount = sizeof(kSlots) / sizeof(kSlots[0]);
enum Derived { kModelViewProjection = kSlotCount, kNormalMatrix, kUniformCount };

const char* const kAttributeNames[kAttributeCount] = {"aPosition", "aNormal", "aColor",
                                                      "aTexCoord0", "aTexCoord1"};

struct Uniform {
    GLint location = -1;
    std::vector<GLfloat> sent;  // what the program holds now
};

struct Program {
    GLuint name = 0;
    Uniform uniforms[kUniformCount];
};

struct Programs {
    std::unordered_map<uint32_t, Program> built;
    GLuint inUse = 0;
};

Programs& ThePrograms() {
    static Programs programs;
    return programs;
}

uint32_t SphereMapFeatures(const TextureUnit& unit, uint32_t s, uint32_t t) {
    return (unit.generateS && unit.modeS == GL_SPHERE_MAP ? s : 0) |
           (unit.generateT && unit.modeT == GL_SPHERE_MAP ? t : 0);
}

uint32_t LightingFeatures(const Lighting& lighting) {
    if (!lighting.enabled) {
        return 0;
    }
    uint32_t features = kLighting;
    if (lighting.light.enabled) {
        features |= kLight0 | (lighting.light.eyePosition[3] != 0 ? kPositionalLight : 0);
    }
    features |= (lighting.localViewer ? kLocalViewer : 0) |
                (lighting.separateSpecular ? kSeparateSpecular : 0);
    if (lighting.colorMaterial) {
        const GLenum mode = lighting.colorMaterialMode;
        features |= (mode == GL_DIFFUSE || mode == GL_AMBIENT_AND_DIFFUSE ? kColorIsDiffuse : 0) |
                    (mode == GL_AMBIENT || mode == GL_AMBIENT_AND_DIFFUSE ? kColorIsAmbient : 0);
    }
    return features;
}

uint32_t FeaturesOf(const State& state) {
    uint32_t features = LightingFeatures(state.lighting);
    features |= state.lighting.normalize ? kNormalize : 0;
    const TextureUnit& unit0 = state.units[0];
    const TextureUnit& unit1 = state.units[1];
    if (unit0.enabled && Complete(unit0.bound)) {
        features |= kTexture0 | SphereMapFeatures(unit0, kSphereMap0S, kSphereMap0T);
    }
    if (unit1.enabled && Complete(unit1.bound)) {
        features |= kTexture1 | SphereMapFeatures(unit1, kSphereMap1S, kSphereMap1T);
    }
    if (state.fog.enabled) {
        features |= state.fog.mode == GL_LINEAR ? kFogLinear
                    : state.fog.mode == GL_EXP2 ? kFogExp2
                                                : kFogExp;
    }
    if (state.alphaTest && state.alphaFunction != GL_ALWAYS) {
        features |= kAlphaTest | ((state.alphaFunction - GL_NEVER) << kAlphaFunctionShift);
    }
    return features;
}

GLuint Compile(GLenum stage, uint32_t features) {
    const std::string source = ShaderSource(features, stage);
    const char* text = source.c_str();
    GLuint shader = glCreateShader(stage);
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled) {
        char message[1024] = "";
        glGetShaderInfoLog(shader, sizeof(message), nullptr, message);
        console::Print(std::string("Can't compile the drawing shader: ") + message);
    }
    return shader;
}

Program Build(uint32_t features) {
    Program program;
    program.name = glCreateProgram();
    const GLuint vertex = Compile(GL_VERTEX_SHADER, features);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, features);
    glAttachShader(program.name, vertex);
    glAttachShader(program.name, fragment);
    for (GLuint location = 0; location < kAttributeCount; ++location) {
        glBindAttribLocation(program.name, location, kAttributeNames[location]);
    }
    glLinkProgram(program.name);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint linked = GL_FALSE;
    glGetProgramiv(program.name, GL_LINK_STATUS, &linked);
    if (!linked) {
        char message[1024] = "";
        glGetProgramInfoLog(program.name, sizeof(message), nullptr, message);
        console::Print(std::string("Can't link the drawing shader: ") + message);
    }
    glUseProgram(program.name);
    for (int i = 0; i < kSlotCount; ++i) {
        program.uniforms[i].location = glGetUniformLocation(program.name, kSlots[i].name);
    }
    program.uniforms[kModelViewProjection].location =
        glGetUniformLocation(program.name, "uModelViewProjection");
    program.uniforms[kNormalMatrix].location = glGetUniformLocation(program.name, "uNormalMatrix");
    glUniform1i(glGetUniformLocation(program.name, "uTexture0"), 0);
    glUniform1i(glGetUniformLocation(program.name, "uTexture1"), 1);
    return program;
}

void Send(Uniform& uniform, const GLfloat* values, size_t count) {
    if (uniform.location < 0 ||
        (uniform.sent.size() == count &&
         std::memcmp(uniform.sent.data(), values, count * sizeof(GLfloat)) == 0)) {
        return;
    }
    uniform.sent.assign(values, values + count);
    switch (count) {
        case 1:
            glUniform1fv(uniform.location, 1, values);
            break;
        case 3:
            glUniform3fv(uniform.location, 1, values);
            break;
        case 4:
            glUniform4fv(uniform.location, 1, values);
            break;
        case 9:
            glUniformMatrix3fv(uniform.location, 1, GL_FALSE, values);
            break;
        default:
            glUniformMatrix4fv(uniform.location, 1, GL_FALSE, values);
    }
}

// The inverse transpose of the model-view matrix's upper 3 x 3, which carries normals.
std::array<GLfloat, 9> NormalMatrix(const Matrix& m) {
    const GLfloat a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6],
                  i = m[10];
    const GLfloat cofactors[9] = {e * i - f * h, c * h - b * i, b * f - c * e,
                                  f * g - d * i, a * i - c * g, c * d - a * f,
                                  d * h - e * g, b * g - a * h, a * e - b * d};
    const GLfloat determinant = a * cofactors[0] + b * cofactors[3] + c * cofactors[6];
    const GLfloat scale = determinant != 0 ? 1 / determinant : 0;
    // cofactors holds the inverse by rows: read as columns, it is the inverse transposed.
    std::array<GLfloat, 9> result{};
    for (int n = 0; n < 9; ++n) {
        result[n] = cofactors[n] * scale;
    }
    return result;
}

Matrix MatrixAt(const DrawState& state, int offset) {
    Matrix m{};
    std::copy_n(state.values.begin() + offset, 16, m.begin());
    return m;
}

void SendState(Program& program, const DrawState& state) {
    int offset = 0;
    for (int i = 0; i < kSlotCount; ++i) {
        Send(program.uniforms[i], state.values.data() + offset,
             static_cast<size_t>(kSlots[i].count));
        offset += kSlots[i].count;
    }
    const Matrix modelView = MatrixAt(state, 0);
    const Matrix modelViewProjection = Multiply(MatrixAt(state, 16), modelView);
    Send(program.uniforms[kModelViewProjection], modelViewProjection.data(), 16);
    if (program.uniforms[kNormalMatrix].location >= 0) {
        Send(program.uniforms[kNormalMatrix], NormalMatrix(modelView).data(), 9);
    }
}

}  // namespace

DrawState CurrentDrawState() {
    const State& state = Current();
    const Light& light = state.lighting.light;
    const Material& material = state.lighting.material;
    DrawState drawState;
    drawState.features = FeaturesOf(state);
    drawState.polygonMode = state.polygonMode;
    auto at = drawState.values.begin();
    auto add = [&at](const GLfloat* values, int count) { at = std::copy_n(values, count, at); };
    add(state.modelView.back().data(), 16);
    add(state.projection.back().data(), 16);
    for (const Vector4* values :
         {&light.eyePosition, &light.ambient, &light.diffuse, &light.specular}) {
        add(values->data(), 4);
    }
    add(light.attenuation.data(), 3);
    for (const Vector4* values : {&state.lighting.sceneAmbient, &material.ambient,
                                  &material.diffuse, &material.specular, &material.emission}) {
        add(values->data(), 4);
    }
    add(&material.shininess, 1);
    add(state.fog.color.data(), 4);
    const GLfloat fog[3] = {state.fog.density, state.fog.start, state.fog.end};
    add(fog, 3);
    add(&state.alphaReference, 1);
    return drawState;
}

void UseProgram(const DrawState& drawState) {
    Programs& programs = ThePrograms();
    auto found = programs.built.find(drawState.features);
    if (found == programs.built.end()) {
        found = programs.built.emplace(drawState.features, Build(drawState.features)).first;
        programs.inUse = found->second.name;
    }
    Program& program = found->second;
    if (programs.inUse != program.name) {
        glUseProgram(program.name);
        programs.inUse = program.name;
    }
    SendState(program, drawState);
}

void ForgetPrograms() {
    ThePrograms() = Programs();
}

}  // namespace render::gles
