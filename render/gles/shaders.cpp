// The fixed-function pipeline as OpenGL 1.1 defines it, for one light: lighting per vertex
// (emission, scene and light ambient, diffuse, specular with an optional local viewer and
// separate specular colour, attenuation of a positional light), sphere-map coordinates and
// the fog factor by eye-space depth per vertex, as OpenGL allows; modulating textures, fog
// and the alpha test per fragment.
#include "render/gles/shaders.h"

namespace render::gles {

namespace {

const char* const kVertexShader = R"(
attribute vec4 aPosition;
attribute vec3 aNormal;
attribute vec4 aColor;
attribute vec4 aTexCoord0;
attribute vec4 aTexCoord1;
uniform mat4 uModelViewProjection;
uniform mat4 uModelView;
uniform mat3 uNormalMatrix;
uniform vec4 uLightPosition;
uniform vec4 uLightAmbient;
uniform vec4 uLightDiffuse;
uniform vec4 uLightSpecular;
uniform vec3 uAttenuation;
uniform vec4 uSceneAmbient;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialSpecular;
uniform vec4 uMaterialEmission;
uniform float uShininess;
uniform vec3 uFog;
varying vec4 vColor;
varying vec4 vSecondary;
varying vec2 vTexCoord0;
varying vec2 vTexCoord1;
varying float vFog;

vec3 EyeNormal() {
    vec3 n = uNormalMatrix * aNormal;
#ifdef NORMALIZE
    n = normalize(n);
#endif
    return n;
}

vec2 SphereMap(vec3 eye, vec3 n) {
    vec3 u = normalize(eye);
    vec3 r = u - 2.0 * dot(n, u) * n;
    float m = 2.0 * sqrt(r.x * r.x + r.y * r.y + (r.z + 1.0) * (r.z + 1.0));
    return r.xy / m + 0.5;
}

void Light(vec3 eye) {
    vec3 n = EyeNormal();
#ifdef COLOR_IS_DIFFUSE
    vec4 diffuse = aColor;
#else
    vec4 diffuse = uMaterialDiffuse;
#endif
#ifdef COLOR_IS_AMBIENT
    vec4 ambient = aColor;
#else
    vec4 ambient = uMaterialAmbient;
#endif
    vec3 color = uMaterialEmission.rgb + uSceneAmbient.rgb * ambient.rgb;
    vec3 specular = vec3(0.0);
#ifdef LIGHT0
#ifdef POSITIONAL_LIGHT
    vec3 toLight = uLightPosition.xyz - eye;
    float range = length(toLight);
    toLight /= range;
    float attenuation = 1.0 / (uAttenuation.x + uAttenuation.y * range +
                               uAttenuation.z * range * range);
#else
    vec3 toLight = normalize(uLightPosition.xyz);
    float attenuation = 1.0;
#endif
#ifdef LOCAL_VIEWER
    vec3 halfway = normalize(toLight + normalize(-eye));
#else
    vec3 halfway = normalize(toLight + vec3(0.0, 0.0, 1.0));
#endif
    float lambert = dot(n, toLight);
    float shine = 0.0;
    if (lambert > 0.0) {
        float facing = max(dot(n, halfway), 0.0);
        shine = uShininess > 0.0 ? pow(facing, uShininess) : 1.0;
    }
    color += attenuation * (uLightAmbient.rgb * ambient.rgb +
                            max(lambert, 0.0) * uLightDiffuse.rgb * diffuse.rgb);
    specular = attenuation * shine * uLightSpecular.rgb * uMaterialSpecular.rgb;
#endif
#ifdef SEPARATE_SPECULAR
    vColor = clamp(vec4(color, diffuse.a), 0.0, 1.0);
    vSecondary = vec4(clamp(specular, 0.0, 1.0), 0.0);
#else
    vColor = clamp(vec4(color + specular, diffuse.a), 0.0, 1.0);
#endif
}

void main() {
    vec3 eye = (uModelView * aPosition).xyz;
    gl_Position = uModelViewProjection * aPosition;
#ifdef LIGHTING
    Light(eye);
#else
    vColor = clamp(aColor, 0.0, 1.0);
#endif
    vTexCoord0 = aTexCoord0.xy;
    vTexCoord1 = aTexCoord1.xy;
#ifdef SPHERE_MAP
    vec2 sphere = SphereMap(eye, EyeNormal());
#endif
#ifdef SPHERE_MAP_0S
    vTexCoord0.x = sphere.x;
#endif
#ifdef SPHERE_MAP_0T
    vTexCoord0.y = sphere.y;
#endif
#ifdef SPHERE_MAP_1S
    vTexCoord1.x = sphere.x;
#endif
#ifdef SPHERE_MAP_1T
    vTexCoord1.y = sphere.y;
#endif
#ifdef FOG
    float depth = abs(eye.z);
#endif
#ifdef FOG_LINEAR
    vFog = (uFog.z - depth) / (uFog.z - uFog.y);
#endif
#ifdef FOG_EXP
    vFog = exp(-uFog.x * depth);
#endif
#ifdef FOG_EXP2
    vFog = exp(-(uFog.x * depth) * (uFog.x * depth));
#endif
#ifdef FOG
    vFog = clamp(vFog, 0.0, 1.0);
#endif
}
)";

const char* const kFragmentShader = R"(
uniform sampler2D uTexture0;
uniform sampler2D uTexture1;
uniform vec4 uFogColor;
uniform float uAlphaReference;
varying vec4 vColor;
varying vec4 vSecondary;
varying vec2 vTexCoord0;
varying vec2 vTexCoord1;
varying float vFog;

void main() {
    vec4 color = vColor;
#ifdef TEXTURE0
    color *= texture2D(uTexture0, vTexCoord0);
#endif
#ifdef TEXTURE1
    color *= texture2D(uTexture1, vTexCoord1);
#endif
#ifdef SEPARATE_SPECULAR
    color.rgb = min(color.rgb + vSecondary.rgb, 1.0);
#endif
#ifdef FOG
    color.rgb = mix(uFogColor.rgb, color.rgb, vFog);
#endif
#ifdef ALPHA_TEST
    if (!(ALPHA_TEST)) {
        discard;
    }
#endif
    gl_FragColor = color;
}
)";

struct Define {
    uint32_t features;  // defined when any of these is set
    const char* name;
};

const Define kDefines[] = {
    {kLighting, "LIGHTING"},
    {kLight0, "LIGHT0"},
    {kPositionalLight, "POSITIONAL_LIGHT"},
    {kLocalViewer, "LOCAL_VIEWER"},
    {kSeparateSpecular, "SEPARATE_SPECULAR"},
    {kNormalize, "NORMALIZE"},
    {kColorIsDiffuse, "COLOR_IS_DIFFUSE"},
    {kColorIsAmbient, "COLOR_IS_AMBIENT"},
    {kTexture0, "TEXTURE0"},
    {kTexture1, "TEXTURE1"},
    {kSphereMap0S | kSphereMap0T | kSphereMap1S | kSphereMap1T, "SPHERE_MAP"},
    {kSphereMap0S, "SPHERE_MAP_0S"},
    {kSphereMap0T, "SPHERE_MAP_0T"},
    {kSphereMap1S, "SPHERE_MAP_1S"},
    {kSphereMap1T, "SPHERE_MAP_1T"},
    {kFogLinear | kFogExp | kFogExp2, "FOG"},
    {kFogLinear, "FOG_LINEAR"},
    {kFogExp, "FOG_EXP"},
    {kFogExp2, "FOG_EXP2"},
};

// The comparison that keeps a fragment, by the alpha test's function.
const char* AlphaComparison(uint32_t function) {
    static const char* const kComparisons[] = {
        "false",
        "color.a < uAlphaReference",
        "color.a == uAlphaReference",
        "color.a <= uAlphaReference",
        "color.a > uAlphaReference",
        "color.a != uAlphaReference",
        "color.a >= uAlphaReference",
        "true",
    };
    return kComparisons[function & 7];
}

}  // namespace

std::string ShaderSource(uint32_t features, GLenum stage) {
    // Full precision where the fragment stage has it: the desktop computes in 32-bit floats.
    std::string source =
        "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\n"
        "precision mediump float;\n#endif\n";
    for (const Define& define : kDefines) {
        if (features & define.features) {
            source += std::string("#define ") + define.name + "\n";
        }
    }
    if (features & kAlphaTest) {
        source += std::string("#define ALPHA_TEST ") +
                  AlphaComparison(features >> kAlphaFunctionShift) + "\n";
    }
    return source + (stage == GL_VERTEX_SHADER ? kVertexShader : kFragmentShader);
}

std::string FeatureNames(uint32_t features) {
    std::string names;
    for (const Define& define : kDefines) {
        if (features & define.features) {
            names += std::string(names.empty() ? "" : " ") + define.name;
        }
    }
    if (features & kAlphaTest) {
        names += std::string(" ALPHA_TEST ") + AlphaComparison(features >> kAlphaFunctionShift);
    }
    return names.empty() ? "no features" : names;
}

}  // namespace render::gles
