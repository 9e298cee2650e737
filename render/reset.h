// The render layer as at program start: renderer, display, the TGA reader and the GL entry points.
#pragma once

namespace render {

void Reset();

}  // namespace render
