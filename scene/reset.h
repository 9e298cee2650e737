// The scene layer as at program start: no materials, no triangle batches.
#pragma once

namespace scene {

void Reset();

}  // namespace scene
