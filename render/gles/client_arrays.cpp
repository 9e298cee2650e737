// Client arrays: the vertices a draw uses are copied to the graphics side at the draw, as
// WebGL draws from buffers only.
#include <algorithm>
#include <cstring>
#include <vector>

#include "render/gles/context.h"

namespace render::gles {

namespace {

ClientArray* ArrayNamed(GLenum array) {
    State& state = Current();
    switch (array) {
        case GL_VERTEX_ARRAY:
            return &state.vertexArray;
        case GL_NORMAL_ARRAY:
            return &state.normalArray;
        case GL_COLOR_ARRAY:
            return &state.colorArray;
        case GL_TEXTURE_COORD_ARRAY:
            return &state.texCoordArray;
        default:
            return nullptr;
    }
}

void Point(GLenum array, GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    ClientArray& target = *ArrayNamed(array);
    target.size = size;
    target.type = type;
    target.stride = stride;
    target.pointer = pointer;
}

size_t TypeSize(GLenum type) {
    switch (type) {
        case GL_UNSIGNED_BYTE:
        case GL_BYTE:
            return 1;
        case GL_UNSIGNED_SHORT:
        case GL_SHORT:
            return 2;
        default:
            return 4;
    }
}

size_t Stride(const ClientArray& array) {
    return array.stride ? static_cast<size_t>(array.stride)
                        : static_cast<size_t>(array.size) * TypeSize(array.type);
}

// Copies vertices first..last of each enabled array one after another into the stream
// buffer and says where each landed.
VertexArrays UploadRange(GLuint first, GLuint last) {
    const State& state = Current();
    const ClientArray* arrays[kAttributeCount] = {&state.vertexArray, &state.normalArray,
                                                  &state.colorArray, &state.texCoordArray, nullptr};
    std::vector<unsigned char> bytes;
    VertexArrays placed;
    for (GLuint location = 0; location < kAttributeCount; ++location) {
        const ClientArray* array = arrays[location];
        if (!array || !array->enabled || !array->pointer) {
            continue;
        }
        const size_t stride = Stride(*array);
        const size_t span =
            (last - first) * stride + static_cast<size_t>(array->size) * TypeSize(array->type);
        const auto* start = static_cast<const unsigned char*>(array->pointer) + first * stride;
        placed[location] = {true, array->size, array->type, static_cast<GLsizei>(stride),
                            bytes.size()};
        bytes.insert(bytes.end(), start, start + span);
    }
    StreamVertices(bytes.data(), bytes.size());
    return placed;
}

// The vertex positions of a float array, for polygons drawn as lines; none otherwise.
std::function<Vector4(GLuint)> Positions(GLuint first) {
    const ClientArray& array = Current().vertexArray;
    if (array.type != GL_FLOAT || array.size < 2) {
        return nullptr;
    }
    const auto* bytes = static_cast<const unsigned char*>(array.pointer);
    const size_t stride = Stride(array);
    const GLint size = array.size;
    return [bytes, stride, size, first](GLuint n) {
        const auto* p = reinterpret_cast<const GLfloat*>(bytes + (first + n) * stride);
        return Vector4{p[0], p[1], size > 2 ? p[2] : 0, size > 3 ? p[3] : 1};
    };
}

// Client arrays are read when the call is compiled; the layer keeps no copy of them.
bool RefusedInList(const char* call) {
    if (!TheContext().lists.recording) {
        return false;
    }
    Unsupported(call);
    return true;
}

}  // namespace

// The vertex-array range has no use without its extension, which the layer does not name.
void EnableClientState(GLenum array) {
    if (ClientArray* target = ArrayNamed(array)) {
        target->enabled = true;
    } else {
        Unsupported("glEnableClientState", array);
    }
}

void DisableClientState(GLenum array) {
    if (ClientArray* target = ArrayNamed(array)) {
        target->enabled = false;
    }
}

void VertexPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Point(GL_VERTEX_ARRAY, size, type, stride, pointer);
}

void NormalPointer(GLenum type, GLsizei stride, const GLvoid* pointer) {
    Point(GL_NORMAL_ARRAY, 3, type, stride, pointer);
}

void ColorPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Point(GL_COLOR_ARRAY, size, type, stride, pointer);
}

void TexCoordPointer(GLint size, GLenum type, GLsizei stride, const GLvoid* pointer) {
    Point(GL_TEXTURE_COORD_ARRAY, size, type, stride, pointer);
}

void DrawArrays(GLenum mode, GLint first, GLsizei count) {
    if (RefusedInList("glDrawArrays in a display list") || first < 0 || count <= 0 ||
        !Current().vertexArray.enabled) {
        return;
    }
    FlushBatch();  // before the stream buffer takes these vertices
    const auto from = static_cast<GLuint>(first);
    Draw draw;
    draw.mode = mode;
    draw.arrays = UploadRange(from, from + static_cast<GLuint>(count) - 1);
    draw.buffer = TheContext().sent.streamVertices;
    draw.count = count;
    draw.position = Positions(from);
    DrawNow(draw);
}

void DrawElements(GLenum mode, GLsizei count, GLenum type, const GLvoid* indices) {
    if (RefusedInList("glDrawElements in a display list") || count <= 0 ||
        !Current().vertexArray.enabled) {
        return;
    }
    FlushBatch();  // before the stream buffer takes these vertices
    std::vector<GLuint> order(static_cast<size_t>(count));
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = type == GL_UNSIGNED_INT     ? static_cast<const GLuint*>(indices)[i]
                   : type == GL_UNSIGNED_SHORT ? static_cast<const GLushort*>(indices)[i]
                                               : static_cast<const GLubyte*>(indices)[i];
    }
    const auto [lowest, highest] = std::minmax_element(order.begin(), order.end());
    const GLuint first = *lowest;
    Draw draw;
    draw.mode = mode;
    draw.arrays = UploadRange(first, *highest);
    draw.buffer = TheContext().sent.streamVertices;
    for (GLuint& index : order) {
        index -= first;
    }
    draw.count = count;
    draw.indices = &order;
    draw.position = Positions(first);
    DrawNow(draw);
}

}  // namespace render::gles
