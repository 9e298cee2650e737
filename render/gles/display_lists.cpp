// Display lists, kept as the calls they hold; their vertices go to the graphics side once.
// A list's vertices carry only the attributes set inside it: the others are the current
// values when it is called, as a mesh takes the colour its material sets.
#include <unordered_map>
#include <utility>
#include <vector>

#include "render/gles/draw.h"
#include "render/gles/gles.h"
#include "render/gles/state.h"

namespace render::gles {

namespace {

using Calls = std::vector<std::function<void()>>;

struct Lists {
    std::unordered_map<GLuint, Calls> kept;
    GLuint next = 1;
    GLuint base = 0;
    bool recording = false;
    GLuint open = 0;
    Calls calls;
    ImmediateVertex currentBefore{};  // recording leaves the current values as they were
};

Lists& TheLists() {
    static Lists lists;
    return lists;
}

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

bool Recording() {
    return TheLists().recording;
}

void Record(std::function<void()> call) {
    TheLists().calls.push_back(std::move(call));
}

void RecordDraw(GLenum mode, std::vector<ImmediateVertex> vertices, unsigned carried) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(vertices[0])),
                 vertices.data(), GL_STATIC_DRAW);
    const auto count = static_cast<GLsizei>(vertices.size());
    const ImmediateVertex last = vertices.back();
    Record([mode, buffer, count, carried, last] {
        DrawFromBuffer(mode, buffer, ImmediateArrays(carried), count);
        TakeOver(last, carried);
    });
}

GLuint GenLists(GLsizei range) {
    Lists& lists = TheLists();
    const GLuint first = lists.next;
    lists.next += static_cast<GLuint>(range > 0 ? range : 0);
    return range > 0 ? first : 0;
}

void NewList(GLuint list, GLenum) {
    Lists& lists = TheLists();
    lists.recording = true;
    lists.open = list;
    lists.calls.clear();
    lists.currentBefore = Current().current;
}

void EndList() {
    Lists& lists = TheLists();
    if (!lists.recording) {
        return;
    }
    lists.recording = false;
    lists.kept[lists.open] = std::move(lists.calls);
    lists.calls.clear();
    Current().current = lists.currentBefore;
}

void CallList(GLuint list) {
    const auto found = TheLists().kept.find(list);
    if (found == TheLists().kept.end()) {
        return;
    }
    for (const auto& call : found->second) {
        call();
    }
}

void CallLists(GLsizei count, GLenum type, const GLvoid* lists) {
    for (GLsizei i = 0; i < count; ++i) {
        GLuint offset = 0;
        if (type == GL_UNSIGNED_BYTE) {
            offset = static_cast<const GLubyte*>(lists)[i];
        } else if (type == GL_UNSIGNED_INT) {
            offset = static_cast<const GLuint*>(lists)[i];
        } else {
            return;
        }
        CallList(TheLists().base + offset);
    }
}

void ListBase(GLuint base) {
    TheLists().base = base;
}

void ForgetLists() {
    TheLists() = Lists();
}

}  // namespace render::gles
