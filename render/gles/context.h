// Everything that dies with the rendering context, in one object, and the guards every entry
// point begins with, in this order: keep the call in the list being recorded; send ES state
// only when it changes, drawing the pending batch first; count and name what is not drawn.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "render/gles/draw.h"
#include "render/gles/gles.h"
#include "render/gles/state.h"

namespace render::gles {

// The primitive between Begin and End.
struct Primitive {
    bool open = false;
    GLenum mode = GL_TRIANGLES;
    std::vector<ImmediateVertex> vertices;
    unsigned carried = 0;  // attributes set inside it, while a list is recorded
};

// Immediate-mode triangles that share every state, not yet drawn.
struct Batch {
    DrawState state;
    std::vector<ImmediateVertex> triangles;
};

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

struct Uniform {
    GLint location = -1;
    std::vector<GLfloat> sent;  // what the program holds now
};

struct Program {
    GLuint name = 0;
    bool failed = false;  // did not compile or link: its draws are skipped
    std::vector<Uniform> uniforms;
};

struct Programs {
    std::unordered_map<uint32_t, Program> built;
    GLuint inUse = 0;
};

// The ES 2 state as last sent; empty until first sent.
struct EsState {
    std::optional<std::array<GLenum, 2>> blend;
    std::optional<GLenum> depthFunction, frontFace, cullFace;
    std::optional<GLboolean> depthMask;
    std::optional<std::array<GLuint, 3>> stencilFunction, stencilOperations;
    std::optional<std::array<GLboolean, 4>> colorMask;
    std::optional<std::array<GLint, 4>> viewport;
    std::optional<GLfloat> clearDepth;
    std::optional<GLenum> activeUnit;
    std::map<GLenum, std::optional<bool>> switches;
    std::array<std::optional<GLuint>, kTextureUnits> bound;
    std::array<bool, kAttributeCount> arrayEnabled{};
    GLuint streamVertices = 0, streamIndices = 0;  // buffers refilled at every draw
};

struct Context {
    State state;
    Primitive primitive;
    Lists lists;
    Programs programs;
    Batch batch;
    EsState sent;
    Counters counters;
    std::set<std::string> unsupportedSeen;
    std::string text;  // the string GetString returned last
};

Context& TheContext();

// True when a list is being recorded: the call was kept in it and is not run now.
bool InList(std::function<void()> call);

// Sends `value` with `send` unless it is what ES 2 holds already; draws the batch first.
template <typename Value, typename Send>
void SendChanged(std::optional<Value>& sent, const Value& value, Send send) {
    if (sent && *sent == value) {
        return;
    }
    FlushBatch();
    sent = value;
    send();
}

// Counts a call or value the layer does not draw, and names it in the log the first time.
void Unsupported(const std::string& what, GLenum value = 0);

}  // namespace render::gles
