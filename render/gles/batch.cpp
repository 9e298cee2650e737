// The immediate-mode batch: a fire's particles, each its own Begin and End, share every
// state, and one draw of them all costs WebGL what one of them does.
#include <vector>

#include "render/gles/draw.h"

namespace render::gles {

namespace {

struct Batch {
    DrawState state;
    std::vector<ImmediateVertex> triangles;
};

Batch& TheBatch() {
    static Batch batch;
    return batch;
}

}  // namespace

void AddToBatch(const std::vector<ImmediateVertex>& triangles) {
    Batch& batch = TheBatch();
    DrawState state = CurrentDrawState();
    if (!batch.triangles.empty() && !(state == batch.state)) {
        FlushBatch();
    }
    if (batch.triangles.empty()) {
        batch.state = std::move(state);
    }
    batch.triangles.insert(batch.triangles.end(), triangles.begin(), triangles.end());
}

void FlushBatch() {
    Batch& batch = TheBatch();
    if (batch.triangles.empty()) {
        return;
    }
    const GLuint buffer =
        StreamVertices(batch.triangles.data(), batch.triangles.size() * sizeof(ImmediateVertex));
    DrawWithState(batch.state, GL_TRIANGLES, buffer, ImmediateArrays(kCarriesAll),
                  static_cast<GLsizei>(batch.triangles.size()));
    batch.triangles.clear();
}

void DropBatch() {
    TheBatch().triangles.clear();
}

}  // namespace render::gles
