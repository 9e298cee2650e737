// Drawing a batch of vertices with the shader the fixed-function state of the moment asks for.
#pragma once

#include <array>
#include <cstdint>
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

// Everything a draw's shader depends on: its features, the polygon mode and the values
// of its uniforms (programs.cpp).
struct DrawState {
    uint32_t features = 0;
    GLenum polygonMode = GL_FILL;
    std::array<GLfloat, 80> values{};
    bool operator==(const DrawState& other) const {
        return features == other.features && polygonMode == other.polygonMode &&
               values == other.values;
    }
};
// The arrays of immediate-mode vertices: position, and the carried attributes.
VertexArrays ImmediateArrays(unsigned carried);

// Fills the layer's stream buffer with `bytes` and returns it.
GLuint StreamVertices(const void* data, size_t bytes);

// Draws `count` vertices from `buffer`, or the `indices` into them where given, with the
// state of the moment once the batch is drawn.
void DrawFromBuffer(GLenum mode, GLuint buffer, const VertexArrays& arrays, GLsizei count,
                    const std::vector<GLuint>* indices = nullptr);
// The same with a state kept from earlier: the batch's.
void DrawWithState(const DrawState& state, GLenum mode, GLuint buffer, const VertexArrays& arrays,
                   GLsizei count, const std::vector<GLuint>* indices = nullptr);

DrawState CurrentDrawState();
// Binds the shader for `state` with its uniforms set.
void UseProgram(const DrawState& state);

// Immediate-mode triangles are gathered while nothing else changes and drawn as one batch
// (batch.cpp): everything that changes what ES 2 draws, or draws, flushes them first.
void AddToBatch(const std::vector<ImmediateVertex>& triangles);
void FlushBatch();
void DropBatch();

}  // namespace render::gles
