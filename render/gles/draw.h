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

// The arrays of immediate-mode vertices: position, and the carried attributes.
VertexArrays ImmediateArrays(unsigned carried);

// Fills the layer's stream buffer with `bytes` and returns it.
GLuint StreamVertices(const void* data, size_t bytes);

// Draws `count` vertices from `buffer`, or the `indices` into them where given.
void DrawFromBuffer(GLenum mode, GLuint buffer, const VertexArrays& arrays, GLsizei count,
                    const std::vector<GLuint>* indices = nullptr);

// Binds the shader for the current state with its uniforms set (programs.cpp).
void UseProgramForState();

}  // namespace render::gles
