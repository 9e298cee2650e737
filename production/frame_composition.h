// Drawing one frame of the current part and presenting it.
#pragma once

namespace production {

void DrawFrame();

}  // namespace production
