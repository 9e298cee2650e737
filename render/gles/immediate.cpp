// Immediate mode: the vertices between Begin and End, drawn at End, or kept when a display
// list is being recorded. Filled triangles and quads join the batch.
#include <cstddef>
#include <utility>
#include <vector>

#include "render/gles/context.h"

namespace render::gles {

namespace {

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

void Carry(unsigned attribute) {
    Context& context = TheContext();
    if (context.primitive.open && context.lists.recording) {
        context.primitive.carried |= attribute;
    }
}

// Outside Begin and End, a current value set while a list is recorded is kept in the list.
bool KeptOutsidePrimitive(std::function<void()> call) {
    return !TheContext().primitive.open && InList(std::move(call));
}

}  // namespace

void Begin(GLenum mode) {
    Primitive& primitive = TheContext().primitive;
    primitive.open = true;
    primitive.mode = mode;
    primitive.vertices.clear();
    primitive.carried = 0;
}

void End() {
    Context& context = TheContext();
    Primitive& primitive = context.primitive;
    if (!primitive.open) {
        return;
    }
    primitive.open = false;
    std::vector<ImmediateVertex> vertices = std::move(primitive.vertices);
    if (vertices.empty()) {
        return;
    }
    if (context.lists.recording) {
        RecordDraw(primitive.mode, std::move(vertices), primitive.carried);
        return;
    }
    const bool filled = context.state.polygonMode == GL_FILL;
    if (filled && (primitive.mode == GL_TRIANGLES || primitive.mode == GL_QUADS)) {
        AddToBatch(primitive.mode == GL_QUADS ? QuadsAsTriangles(vertices) : vertices);
        return;
    }
    FlushBatch();  // before the stream buffer takes these vertices
    Draw draw;
    draw.mode = primitive.mode;
    draw.buffer = StreamVertices(vertices.data(), vertices.size() * sizeof(ImmediateVertex));
    draw.arrays = ImmediateArrays(kCarriesAll);
    draw.count = static_cast<GLsizei>(vertices.size());
    draw.position = [&vertices](GLuint n) {
        const GLfloat* p = vertices[n].position;
        return Vector4{p[0], p[1], p[2], 1};
    };
    DrawNow(draw);
}

void Vertex(GLfloat x, GLfloat y, GLfloat z) {
    Context& context = TheContext();
    if (!context.primitive.open) {
        return;
    }
    ImmediateVertex vertex = context.state.current;
    vertex.position[0] = x;
    vertex.position[1] = y;
    vertex.position[2] = z;
    context.primitive.vertices.push_back(vertex);
}

void Normal(GLfloat x, GLfloat y, GLfloat z) {
    if (KeptOutsidePrimitive([=] { Normal(x, y, z); })) {
        return;
    }
    GLfloat* normal = Current().current.normal;
    normal[0] = x;
    normal[1] = y;
    normal[2] = z;
    Carry(kCarriesNormal);
}

void Color(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    if (KeptOutsidePrimitive([=] { Color(red, green, blue, alpha); })) {
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
    if (KeptOutsidePrimitive([=] { TexCoord(s, t); })) {
        return;
    }
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
