// The shader for the state of the moment: found by its features, built the first time they
// are met, its uniforms sent only when they changed since its last draw.
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "console/log.h"
#include "render/gles/context.h"
#include "render/gles/shaders.h"
#include "render/gles/state.h"

namespace render::gles {

namespace {

// A uniform whose values a DrawState holds: where they lie in UniformValues.
struct UniformSlot {
    const char* name;
    size_t offset;  // in floats
    int count;
};

#define TORVANE_SLOT(name, member)                                            \
    UniformSlot {                                                             \
        name, offsetof(UniformValues, member) / sizeof(GLfloat),              \
            static_cast<int>(sizeof(UniformValues::member) / sizeof(GLfloat)) \
    }
// The shaders have no projection: the model-view-projection and normal matrices are made
// from the first two.
constexpr UniformSlot kSlots[] = {
    TORVANE_SLOT("uModelView", modelView),
    TORVANE_SLOT("uProjection", projection),
    TORVANE_SLOT("uLightPosition", lightPosition),
    TORVANE_SLOT("uLightAmbient", lightAmbient),
    TORVANE_SLOT("uLightDiffuse", lightDiffuse),
    TORVANE_SLOT("uLightSpecular", lightSpecular),
    TORVANE_SLOT("uAttenuation", attenuation),
    TORVANE_SLOT("uSceneAmbient", sceneAmbient),
    TORVANE_SLOT("uMaterialAmbient", materialAmbient),
    TORVANE_SLOT("uMaterialDiffuse", materialDiffuse),
    TORVANE_SLOT("uMaterialSpecular", materialSpecular),
    TORVANE_SLOT("uMaterialEmission", materialEmission),
    TORVANE_SLOT("uShininess", shininess),
    TORVANE_SLOT("uFogColor", fogColor),
    TORVANE_SLOT("uFog", fog),
    TORVANE_SLOT("uAlphaReference", alphaReference),
};
#undef TORVANE_SLOT
constexpr int kSlotCount = sizeof(kSlots) / sizeof(kSlots[0]);
enum Derived { kModelViewProjection = kSlotCount, kNormalMatrix, kUniformCount };

// Every float of UniformValues belongs to one slot, in order, with no gap.
constexpr bool SlotsCoverTheValues() {
    size_t next = 0;
    for (const UniformSlot& slot : kSlots) {
        if (slot.offset != next) {
            return false;
        }
        next += static_cast<size_t>(slot.count);
    }
    return next * sizeof(GLfloat) == sizeof(UniformValues);
}
static_assert(SlotsCoverTheValues(), "the uniform slots and UniformValues differ");

const char* const kAttributeNames[kAttributeCount] = {"aPosition", "aNormal", "aColor",
                                                      "aTexCoord0", "aTexCoord1"};

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

// Compiles one stage; false, with the driver's message in the log, where it fails.
bool Compile(GLuint program, GLenum stage, uint32_t features) {
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
        console::Print("Can't compile the drawing shader for " + FeatureNames(features) + ": " +
                       message);
    }
    glAttachShader(program, shader);
    glDeleteShader(shader);
    return compiled;
}

bool Link(GLuint program, uint32_t features) {
    for (GLuint location = 0; location < kAttributeCount; ++location) {
        glBindAttribLocation(program, location, kAttributeNames[location]);
    }
    glLinkProgram(program);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        char message[1024] = "";
        glGetProgramInfoLog(program, sizeof(message), nullptr, message);
        console::Print("Can't link the drawing shader for " + FeatureNames(features) + ": " +
                       message);
    }
    return linked;
}

Program Build(uint32_t features) {
    Counters& counters = TheContext().counters;
    ++counters.programsBuilt;
    Program program;
    program.name = glCreateProgram();
    const bool vertex = Compile(program.name, GL_VERTEX_SHADER, features);
    const bool fragment = Compile(program.name, GL_FRAGMENT_SHADER, features);
    if (!vertex || !fragment || !Link(program.name, features)) {
        ++counters.programsFailed;
        program.failed = true;
        return program;
    }
    glUseProgram(program.name);
    program.uniforms.resize(kUniformCount);
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

void SendState(Program& program, const DrawState& state) {
    const auto* values = reinterpret_cast<const GLfloat*>(&state.values);
    for (int i = 0; i < kSlotCount; ++i) {
        Send(program.uniforms[i], values + kSlots[i].offset, static_cast<size_t>(kSlots[i].count));
    }
    const Matrix& modelView = state.values.modelView;
    Send(program.uniforms[kModelViewProjection],
         Multiply(state.values.projection, modelView).data(), 16);
    if (program.uniforms[kNormalMatrix].location >= 0) {
        Send(program.uniforms[kNormalMatrix], NormalMatrix(modelView).data(), 9);
    }
}

}  // namespace

bool DrawState::operator==(const DrawState& other) const {
    return features == other.features && polygonMode == other.polygonMode &&
           std::memcmp(&values, &other.values, sizeof(values)) == 0;
}

DrawState CurrentDrawState() {
    const State& state = Current();
    const Light& light = state.lighting.light;
    const Material& material = state.lighting.material;
    DrawState drawState;
    drawState.features = FeaturesOf(state);
    drawState.polygonMode = state.polygonMode;
    UniformValues& values = drawState.values;
    values.modelView = state.modelView.back();
    values.projection = state.projection.back();
    values.lightPosition = light.eyePosition;
    values.lightAmbient = light.ambient;
    values.lightDiffuse = light.diffuse;
    values.lightSpecular = light.specular;
    values.attenuation = light.attenuation;
    values.sceneAmbient = state.lighting.sceneAmbient;
    values.materialAmbient = material.ambient;
    values.materialDiffuse = material.diffuse;
    values.materialSpecular = material.specular;
    values.materialEmission = material.emission;
    values.shininess = material.shininess;
    values.fogColor = state.fog.color;
    values.fog = {state.fog.density, state.fog.start, state.fog.end};
    values.alphaReference = state.alphaReference;
    return drawState;
}

bool UseProgram(const DrawState& drawState) {
    Programs& programs = TheContext().programs;
    auto found = programs.built.find(drawState.features);
    if (found == programs.built.end()) {
        found = programs.built.emplace(drawState.features, Build(drawState.features)).first;
        programs.inUse = found->second.failed ? 0 : found->second.name;
    }
    Program& program = found->second;
    if (program.failed) {
        return false;
    }
    if (programs.inUse != program.name) {
        glUseProgram(program.name);
        programs.inUse = program.name;
    }
    SendState(program, drawState);
    return true;
}

}  // namespace render::gles
