// Drawing a batch of vertices with the shader the fixed-function state of the moment asks for.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "render/gles/state.h"

namespace render::gles {

// Where one attribute of a draw comes from: an array in the vertex buffer, or, when absent,
// the current value.
struct AttributeArray {
    bool present = false;
    GLint size = 4;
    GLenum type = GL_FLOAT;
    GLsizei stride = 0;
    uintptr_t offset = 0;
};
using VertexArrays = std::array<AttributeArray, kAttributeCount>;

// The values of the shaders' uniforms, in the order of their slots (programs.cpp).
struct UniformValues {
    Matrix modelView, projection;
    Vector4 lightPosition, lightAmbient, lightDiffuse, lightSpecular;
    std::array<GLfloat, 3> attenuation;
    Vector4 sceneAmbient, materialAmbient, materialDiffuse, materialSpecular, materialEmission;
    GLfloat shininess;
    Vector4 fogColor;
    std::array<GLfloat, 3> fog;  // density, start, end
    GLfloat alphaReference;
};

// Everything a draw's shader depends on: its features, the polygon mode and the values
// of its uniforms.
struct DrawState {
    uint32_t features = 0;
    GLenum polygonMode = GL_FILL;
    UniformValues values{};
    bool operator==(const DrawState& other) const;
};

// One draw: OpenGL 1.1's primitive, its vertices in `buffer`, and where to find each
// vertex's position (for polygons drawn as lines, culled as OpenGL culls them).
struct Draw {
    GLenum mode = GL_TRIANGLES;
    GLuint buffer = 0;
    VertexArrays arrays;
    GLsizei count = 0;
    const std::vector<GLuint>* indices = nullptr;
    std::function<Vector4(GLuint)> position;  // may be empty: then nothing is culled
};

// The arrays of immediate-mode vertices: position, and the carried attributes.
VertexArrays ImmediateArrays(unsigned carried);

// Fills the layer's stream buffer with `bytes` and returns it.
GLuint StreamVertices(const void* data, size_t bytes);

// Draws with the state of the moment once the batch is drawn.
void DrawNow(const Draw& draw);
// The same with a state kept from earlier: the batch's.
void DrawWithState(const DrawState& state, const Draw& draw);

DrawState CurrentDrawState();
// Binds the shader for `state` with its uniforms set; false where that shader failed.
bool UseProgram(const DrawState& state);

// Immediate-mode triangles are gathered while nothing else changes and drawn as one batch
// (batch.cpp): everything that changes what ES 2 draws, or draws, flushes them first.
void AddToBatch(const std::vector<ImmediateVertex>& triangles);
void FlushBatch();

// A display list's draw is kept: its vertices go to the graphics side once.
void RecordDraw(GLenum mode, std::vector<ImmediateVertex> vertices, unsigned carried);

}  // namespace render::gles
