// The immediate-mode batch: a fire's particles, each its own Begin and End, share every
// state, and one draw of them all costs WebGL what one of them does.
#include <vector>

#include "render/gles/context.h"

namespace render::gles {

void AddToBatch(const std::vector<ImmediateVertex>& triangles) {
    Batch& batch = TheContext().batch;
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
    Context& context = TheContext();
    Batch& batch = context.batch;
    if (batch.triangles.empty()) {
        return;
    }
    Draw draw;
    draw.buffer =
        StreamVertices(batch.triangles.data(), batch.triangles.size() * sizeof(ImmediateVertex));
    draw.arrays = ImmediateArrays(kCarriesAll);
    draw.count = static_cast<GLsizei>(batch.triangles.size());
    DrawWithState(batch.state, draw);
    ++context.counters.batches;
    batch.triangles.clear();
}

void EndFrame() {
    FlushBatch();
}

}  // namespace render::gles
