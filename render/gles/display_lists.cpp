// Display lists, kept as the calls they hold in their order; their vertices go to the
// graphics side once. A list's vertices carry only the attributes set inside it: the others
// are the current values when it is called, as a mesh takes the colour its material sets.
#include <memory>
#include <utility>
#include <vector>

#include "render/gles/context.h"

namespace render::gles {

namespace {

// After a list's vertices the current values are those of its last vertex, as after the
// same calls made directly.
void TakeOver(const ImmediateVertex& last, unsigned carried) {
    ImmediateVertex& current = Current().current;
    if (carried & kCarriesNormal) {
        std::copy(last.normal, last.normal + 3, current.normal);
    }
    if (carried & kCarriesColor) {
        std::copy(last.color, last.color + 4, current.color);
    }
    if (carried & kCarriesTexCoord) {
        std::copy(last.texCoord, last.texCoord + 2, current.texCoord);
    }
}

}  // namespace

void RecordDraw(GLenum mode, std::vector<ImmediateVertex> vertices, unsigned carried) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(vertices[0])),
                 vertices.data(), GL_STATIC_DRAW);
    // Kept on this side too: polygons drawn as lines are culled by their positions.
    auto kept = std::make_shared<const std::vector<ImmediateVertex>>(std::move(vertices));
    InList([mode, buffer, carried, kept] {
        Draw draw;
        draw.mode = mode;
        draw.buffer = buffer;
        draw.arrays = ImmediateArrays(carried);
        draw.count = static_cast<GLsizei>(kept->size());
        draw.position = [&kept](GLuint n) {
            const GLfloat* p = (*kept)[n].position;
            return Vector4{p[0], p[1], p[2], 1};
        };
        DrawNow(draw);
        TakeOver(kept->back(), carried);
    });
}

GLuint GenLists(GLsizei range) {
    Lists& lists = TheContext().lists;
    const GLuint first = lists.next;
    lists.next += static_cast<GLuint>(range > 0 ? range : 0);
    return range > 0 ? first : 0;
}

void NewList(GLuint list, GLenum mode) {
    Lists& lists = TheContext().lists;
    if (lists.recording || list == 0) {
        Unsupported("glNewList inside a list or for list 0");
        return;
    }
    if (mode != GL_COMPILE) {
        Unsupported("glNewList mode", mode);  // the calls are kept, not also run
    }
    lists.recording = true;
    lists.open = list;
    lists.calls.clear();
    lists.currentBefore = Current().current;
}

void EndList() {
    Lists& lists = TheContext().lists;
    if (!lists.recording) {
        return;
    }
    lists.recording = false;
    lists.kept[lists.open] = std::move(lists.calls);
    lists.calls.clear();
    Current().current = lists.currentBefore;
}

void CallList(GLuint list) {
    if (InList([list] { CallList(list); })) {
        return;
    }
    const Lists& lists = TheContext().lists;
    const auto found = lists.kept.find(list);
    if (found == lists.kept.end()) {
        return;
    }
    for (const auto& call : found->second) {
        call();
    }
}

void CallLists(GLsizei count, GLenum type, const GLvoid* lists) {
    if (type != GL_UNSIGNED_BYTE && type != GL_UNSIGNED_INT) {
        Unsupported("glCallLists type", type);
        return;
    }
    std::vector<GLuint> offsets(static_cast<size_t>(count > 0 ? count : 0));
    for (size_t i = 0; i < offsets.size(); ++i) {
        offsets[i] = type == GL_UNSIGNED_BYTE ? static_cast<const GLubyte*>(lists)[i]
                                              : static_cast<const GLuint*>(lists)[i];
    }
    if (InList([offsets] {
            CallLists(static_cast<GLsizei>(offsets.size()), GL_UNSIGNED_INT, offsets.data());
        })) {
        return;
    }
    for (GLuint offset : offsets) {
        CallList(TheContext().lists.base + offset);
    }
}

void ListBase(GLuint base) {
    if (InList([base] { ListBase(base); })) {
        return;
    }
    TheContext().lists.base = base;
}

}  // namespace render::gles
