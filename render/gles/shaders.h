// The shaders that stand in for the fixed-function pipeline: one source, compiled once per
// combination of the features a draw uses.
#pragma once

#include <cstdint>
#include <string>

#include "render/gl.h"

namespace render::gles {

// The features of a draw; a shader is built for each combination met.
constexpr uint32_t kLighting = 1u << 0;
constexpr uint32_t kLight0 = 1u << 1;
constexpr uint32_t kPositionalLight = 1u << 2;
constexpr uint32_t kLocalViewer = 1u << 3;
constexpr uint32_t kSeparateSpecular = 1u << 4;
constexpr uint32_t kNormalize = 1u << 5;
constexpr uint32_t kColorIsDiffuse = 1u << 6;
constexpr uint32_t kColorIsAmbient = 1u << 7;
constexpr uint32_t kTexture0 = 1u << 8;
constexpr uint32_t kTexture1 = 1u << 9;
constexpr uint32_t kSphereMap0S = 1u << 10;
constexpr uint32_t kSphereMap0T = 1u << 11;
constexpr uint32_t kSphereMap1S = 1u << 12;
constexpr uint32_t kSphereMap1T = 1u << 13;
constexpr uint32_t kFogLinear = 1u << 14;
constexpr uint32_t kFogExp = 1u << 15;
constexpr uint32_t kFogExp2 = 1u << 16;
constexpr uint32_t kAlphaTest = 1u << 17;
// The alpha test's comparison (GL_NEVER + n) sits above the feature bits.
constexpr int kAlphaFunctionShift = 24;

std::string ShaderSource(uint32_t features, GLenum stage);
// The features by name, for the log.
std::string FeatureNames(uint32_t features);

}  // namespace render::gles
