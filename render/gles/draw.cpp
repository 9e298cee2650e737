// Drawing a batch: the shader, the attribute arrays or current values, the primitive. With
// the polygon mode set to lines, triangles are drawn as their edges.
#include "render/gles/draw.h"

#include <algorithm>

namespace render::gles {

namespace {

bool FillsTriangles(GLenum mode) {
    return mode == GL_TRIANGLES || mode == GL_TRIANGLE_STRIP || mode == GL_TRIANGLE_FAN;
}

// The three corners of triangle `n` of a `mode` primitive, as positions in its vertex order.
std::array<GLuint, 3> Corners(GLenum mode, GLuint n) {
    if (mode == GL_TRIANGLE_STRIP) {
        return {n, n + 1, n + 2};
    }
    if (mode == GL_TRIANGLE_FAN) {
        return {0, n + 1, n + 2};
    }
    return {3 * n, 3 * n + 1, 3 * n + 2};
}

std::vector<GLuint> EdgeIndices(GLenum mode, GLsizei count, const std::vector<GLuint>* indices) {
    const auto vertices = static_cast<GLuint>(indices ? indices->size() : count);
    const GLuint triangles =
        mode == GL_TRIANGLES ? vertices / 3 : (vertices > 2 ? vertices - 2 : 0);
    std::vector<GLuint> edges;
    edges.reserve(triangles * 6);
    for (GLuint n = 0; n < triangles; ++n) {
        const std::array<GLuint, 3> corners = Corners(mode, n);
        for (int edge = 0; edge < 3; ++edge) {
            for (GLuint corner : {corners[edge], corners[(edge + 1) % 3]}) {
                edges.push_back(indices ? (*indices)[corner] : corner);
            }
        }
    }
    return edges;
}

void SetArray(GLuint location, const AttributeArray& array, const GLfloat* currentValue) {
    State& state = Current();
    if (array.present != state.arrayEnabled[location]) {
        array.present ? glEnableVertexAttribArray(location) : glDisableVertexAttribArray(location);
        state.arrayEnabled[location] = array.present;
    }
    if (array.present) {
        const GLboolean normalized = array.type == GL_FLOAT ? GL_FALSE : GL_TRUE;
        glVertexAttribPointer(location, array.size, array.type, normalized, array.stride,
                              reinterpret_cast<const void*>(array.offset));
    } else {
        glVertexAttrib4fv(location, currentValue);
    }
}

void SetArrays(const VertexArrays& arrays) {
    const ImmediateVertex& current = Current().current;
    const GLfloat normal[4] = {current.normal[0], current.normal[1], current.normal[2], 0};
    const GLfloat texCoord[4] = {current.texCoord[0], current.texCoord[1], 0, 1};
    const GLfloat none[4] = {0, 0, 0, 1};
    SetArray(kPosition, arrays[kPosition], none);
    SetArray(kNormal, arrays[kNormal], normal);
    SetArray(kColor, arrays[kColor], current.color);
    SetArray(kTexCoord0, arrays[kTexCoord0], texCoord);
    SetArray(kTexCoord1, arrays[kTexCoord1], none);
}

// Indices go to the graphics side as 16-bit numbers where they fit, as WebGL prefers.
void DrawIndexed(GLenum mode, const std::vector<GLuint>& indices) {
    State& state = Current();
    if (!state.streamIndices) {
        glGenBuffers(1, &state.streamIndices);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, state.streamIndices);
    const auto count = static_cast<GLsizei>(indices.size());
    if (*std::max_element(indices.begin(), indices.end()) <= 0xFFFF) {
        std::vector<GLushort> shortIndices(indices.begin(), indices.end());
        glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(shortIndices.size() * sizeof(GLushort)),
                     shortIndices.data(), GL_STREAM_DRAW);
        glDrawElements(mode, count, GL_UNSIGNED_SHORT, nullptr);
    } else {
        glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)), indices.data(),
                     GL_STREAM_DRAW);
        glDrawElements(mode, count, GL_UNSIGNED_INT, nullptr);
    }
}

}  // namespace

GLuint StreamVertices(const void* data, size_t bytes) {
    State& state = Current();
    if (!state.streamVertices) {
        glGenBuffers(1, &state.streamVertices);
    }
    glBindBuffer(GL_ARRAY_BUFFER, state.streamVertices);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STREAM_DRAW);
    return state.streamVertices;
}

void DrawFromBuffer(GLenum mode, GLuint buffer, const VertexArrays& arrays, GLsizei count,
                    const std::vector<GLuint>* indices) {
    FlushBatch();
    DrawWithState(CurrentDrawState(), mode, buffer, arrays, count, indices);
}

void DrawWithState(const DrawState& state, GLenum mode, GLuint buffer, const VertexArrays& arrays,
                   GLsizei count, const std::vector<GLuint>* indices) {
    if (count <= 0 || (indices && indices->empty())) {
        return;
    }
    UseProgram(state);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    SetArrays(arrays);
    if (state.polygonMode == GL_LINE && FillsTriangles(mode)) {
        const std::vector<GLuint> edges = EdgeIndices(mode, count, indices);
        if (!edges.empty()) {
            DrawIndexed(GL_LINES, edges);
        }
    } else if (indices) {
        DrawIndexed(mode, *indices);
    } else {
        glDrawArrays(mode, 0, count);
    }
}

}  // namespace render::gles
