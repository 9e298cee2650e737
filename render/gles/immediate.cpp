// Immediate mode: the vertices between Begin and End, drawn at End, or kept when a display
// list is being recorded. ES 2 draws no quads or polygons: they become triangles and fans.
#include <cstddef>
#include <utility>
#include <vector>

#include "render/gles/draw.h"
#include "render/gles/gles.h"
#include "render/gles/state.h"

namespace render::gles {

namespace {

struct Primitive {
    bool open = false;
    GLenum mode = GL_TRIANGLES;
    std::vector<ImmediateVertex> vertices;
    unsigned carried = 0;  // attributes set inside it, while a list is recorded
};

Primitive primitive;

std::vector<ImmediateVertex> QuadsAsTriangles(const std::vector<ImmediateVertex>& quads) {
    std::vector<ImmediateVertex> triangles;
    triangles.reserve(quads.size() / 4 * 6);
    for (size_t quad = 0; quad + 3 < quads.size(); quad += 4) {
        for (size_t corner : {0, 1, 2, 0, 2, 3}) {
            triangles.push_back(quads[quad + corner]);
        }
    }
    return triangles;
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

void Carry(unsigned attribute) {
    if (primitive.open && Recording()) {
        primitive.carried |= attribute;
    }
}

}  // namespace

void Begin(GLenum mode) {
    primitive.open = true;
    primitive.mode = mode;
    primitive.vertices.clear();
    primitive.carried = 0;
}

void End() {
    if (!primitive.open) {
        return;
    }
    primitive.open = false;
    GLenum mode = EsMode(primitive.mode);
    std::vector<ImmediateVertex> vertices = std::move(primitive.vertices);
    if (mode == GL_QUADS) {
        mode = GL_TRIANGLES;
        vertices = QuadsAsTriangles(vertices);
    }
    if (vertices.empty()) {
        return;
    }
    if (Recording()) {
        RecordDraw(mode, std::move(vertices), primitive.carried);
        return;
    }
    if (mode == GL_TRIANGLES) {
        AddToBatch(vertices);
        return;
    }
    FlushBatch();  // before the stream buffer takes these vertices
    const GLuint buffer =
        StreamVertices(vertices.data(), vertices.size() * sizeof(ImmediateVertex));
    DrawFromBuffer(mode, buffer, ImmediateArrays(kCarriesAll),
                   static_cast<GLsizei>(vertices.size()));
}

void Vertex(GLfloat x, GLfloat y, GLfloat z) {
    ImmediateVertex vertex = Current().current;
    vertex.position[0] = x;
    vertex.position[1] = y;
    vertex.position[2] = z;
    if (primitive.open) {
        primitive.vertices.push_back(vertex);
    }
}

void Normal(GLfloat x, GLfloat y, GLfloat z) {
    GLfloat* normal = Current().current.normal;
    normal[0] = x;
    normal[1] = y;
    normal[2] = z;
    Carry(kCarriesNormal);
}

void Color(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    if (Recording() && !primitive.open) {
        Record([=] { Color(red, green, blue, alpha); });
        return;
    }
    GLfloat* color = Current().current.color;
    color[0] = red;
    color[1] = green;
    color[2] = blue;
    color[3] = alpha;
    Carry(kCarriesColor);
}

void TexCoord(GLfloat s, GLfloat t) {
    GLfloat* texCoord = Current().current.texCoord;
    texCoord[0] = s;
    texCoord[1] = t;
    Carry(kCarriesTexCoord);
}

VertexArrays ImmediateArrays(unsigned carried) {
    const GLsizei stride = sizeof(ImmediateVertex);
    VertexArrays arrays;
    arrays[kPosition] = {true, 3, GL_FLOAT, stride, offsetof(ImmediateVertex, position)};
    if (carried & kCarriesNormal) {
        arrays[kNormal] = {true, 3, GL_FLOAT, stride, offsetof(ImmediateVertex, normal)};
    }
    if (carried & kCarriesColor) {
        arrays[kColor] = {true, 4, GL_FLOAT, stride, offsetof(ImmediateVertex, color)};
    }
    if (carried & kCarriesTexCoord) {
        arrays[kTexCoord0] = {true, 2, GL_FLOAT, stride, offsetof(ImmediateVertex, texCoord)};
    }
    return arrays;
}

}  // namespace render::gles
