// Drawing: the shader, the attribute arrays or current values, the primitive. ES 2 draws no
// quads or polygons: they become triangles and fans. With the polygon mode set to lines,
// each polygon is drawn as its edges, and culled as the filled polygon would be.
#include "render/gles/draw.h"

#include <algorithm>

#include "render/gles/context.h"

namespace render::gles {

namespace {

bool IsPolygonal(GLenum mode) {
    return mode == GL_TRIANGLES || mode == GL_TRIANGLE_STRIP || mode == GL_TRIANGLE_FAN ||
           mode == GL_QUADS || mode == GL_QUAD_STRIP || mode == GL_POLYGON;
}

// Calls `visit` with the corners of each polygon of a `mode` primitive of `n` vertices, in
// the order that gives its facing.
template <typename Visit>
void ForEachPolygon(GLenum mode, GLuint n, Visit visit) {
    std::vector<GLuint> corners;
    auto polygon = [&](std::initializer_list<GLuint> list) {
        corners.assign(list);
        visit(corners);
    };
    switch (mode) {
        case GL_TRIANGLES:
            for (GLuint i = 0; i + 2 < n; i += 3)
                polygon({i, i + 1, i + 2});
            break;
        case GL_TRIANGLE_STRIP:
            for (GLuint i = 0; i + 2 < n; ++i) {
                i % 2 ? polygon({i + 1, i, i + 2}) : polygon({i, i + 1, i + 2});
            }
            break;
        case GL_TRIANGLE_FAN:
            for (GLuint i = 1; i + 1 < n; ++i)
                polygon({0, i, i + 1});
            break;
        case GL_QUADS:
            for (GLuint i = 0; i + 3 < n; i += 4)
                polygon({i, i + 1, i + 2, i + 3});
            break;
        case GL_QUAD_STRIP:
            for (GLuint i = 0; i + 3 < n; i += 2)
                polygon({i, i + 1, i + 3, i + 2});
            break;
        default:  // GL_POLYGON
            if (n >= 3) {
                corners.resize(n);
                for (GLuint i = 0; i < n; ++i)
                    corners[i] = i;
                visit(corners);
            }
    }
}

// Whether culling, as ES 2 is set now, drops the polygon: its area in window space,
// counter-clockwise positive, says which way it faces.
bool Culled(const Draw& draw, const Matrix& modelViewProjection,
            const std::vector<GLuint>& vertices) {
    const EsState& sent = TheContext().sent;
    const auto cull = sent.switches.find(GL_CULL_FACE);
    if (!draw.position || cull == sent.switches.end() || !cull->second.value_or(false)) {
        return false;
    }
    double area = 0;
    std::vector<std::array<double, 2>> window;
    for (GLuint vertex : vertices) {
        const Vector4 clip = Transform(modelViewProjection, draw.position(vertex));
        if (clip[3] <= 0) {
            return false;  // crosses the eye's plane: drawn as it is
        }
        window.push_back({clip[0] / clip[3], clip[1] / clip[3]});
    }
    for (size_t i = 0; i < window.size(); ++i) {
        const auto& a = window[i];
        const auto& b = window[(i + 1) % window.size()];
        area += a[0] * b[1] - b[0] * a[1];
    }
    const bool front = (area > 0) == (sent.frontFace.value_or(GL_CCW) == GL_CCW);
    const GLenum face = sent.cullFace.value_or(GL_BACK);
    return face == GL_FRONT_AND_BACK || (face == GL_BACK) != front;
}

GLuint VertexAt(const Draw& draw, GLuint n) {
    return draw.indices ? (*draw.indices)[n] : n;
}

std::vector<GLuint> EdgeIndices(const DrawState& state, const Draw& draw) {
    const Matrix modelViewProjection = Multiply(state.values.projection, state.values.modelView);
    std::vector<GLuint> edges;
    std::vector<GLuint> vertices;
    ForEachPolygon(draw.mode, static_cast<GLuint>(draw.count),
                   [&](const std::vector<GLuint>& corners) {
                       vertices.clear();
                       for (GLuint corner : corners)
                           vertices.push_back(VertexAt(draw, corner));
                       if (Culled(draw, modelViewProjection, vertices)) {
                           return;
                       }
                       for (size_t i = 0; i < vertices.size(); ++i) {
                           edges.push_back(vertices[i]);
                           edges.push_back(vertices[(i + 1) % vertices.size()]);
                       }
                   });
    return edges;
}

std::vector<GLuint> QuadTriangles(const Draw& draw) {
    std::vector<GLuint> triangles;
    ForEachPolygon(GL_QUADS, static_cast<GLuint>(draw.count), [&](const std::vector<GLuint>& quad) {
        for (size_t corner : {0, 1, 2, 0, 2, 3}) {
            triangles.push_back(VertexAt(draw, quad[corner]));
        }
    });
    return triangles;
}

void SetArray(GLuint location, const AttributeArray& array, const GLfloat* currentValue) {
    std::array<bool, kAttributeCount>& enabled = TheContext().sent.arrayEnabled;
    if (array.present != enabled[location]) {
        array.present ? glEnableVertexAttribArray(location) : glDisableVertexAttribArray(location);
        enabled[location] = array.present;
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
    EsState& sent = TheContext().sent;
    if (!sent.streamIndices) {
        glGenBuffers(1, &sent.streamIndices);
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, sent.streamIndices);
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
    ++TheContext().counters.draws;
}

// The ES 2 primitive that draws `mode`'s vertices in the order they came.
GLenum EsMode(GLenum mode) {
    switch (mode) {
        case GL_QUAD_STRIP:
            return GL_TRIANGLE_STRIP;
        case GL_POLYGON:
            return GL_TRIANGLE_FAN;
        default:
            return mode;
    }
}

}  // namespace

GLuint StreamVertices(const void* data, size_t bytes) {
    EsState& sent = TheContext().sent;
    if (!sent.streamVertices) {
        glGenBuffers(1, &sent.streamVertices);
    }
    glBindBuffer(GL_ARRAY_BUFFER, sent.streamVertices);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STREAM_DRAW);
    return sent.streamVertices;
}

void DrawNow(const Draw& draw) {
    FlushBatch();
    DrawWithState(CurrentDrawState(), draw);
}

void DrawWithState(const DrawState& state, const Draw& draw) {
    if (draw.count <= 0 || (draw.indices && draw.indices->empty())) {
        return;
    }
    if (!UseProgram(state)) {
        ++TheContext().counters.skippedDraws;
        return;
    }
    glBindBuffer(GL_ARRAY_BUFFER, draw.buffer);
    SetArrays(draw.arrays);
    std::vector<GLuint> indices;
    if (state.polygonMode == GL_LINE && IsPolygonal(draw.mode)) {
        indices = EdgeIndices(state, draw);
        if (!indices.empty()) {
            DrawIndexed(GL_LINES, indices);
        }
    } else if (draw.mode == GL_QUADS) {
        indices = QuadTriangles(draw);
        if (!indices.empty()) {
            DrawIndexed(GL_TRIANGLES, indices);
        }
    } else if (draw.indices) {
        DrawIndexed(EsMode(draw.mode), *draw.indices);
    } else {
        glDrawArrays(EsMode(draw.mode), 0, draw.count);
        ++TheContext().counters.draws;
    }
}

}  // namespace render::gles
