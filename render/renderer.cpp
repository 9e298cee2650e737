// Renderer start-up.
#include "render/renderer.h"

#include "app/window.h"

namespace render {

Renderer renderer;

void Renderer::Start(int width, int height, int depth, bool fullscreen) {
    app::SetVideoMode(width, height, depth, fullscreen);
}

}  // namespace render
