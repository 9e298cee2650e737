// Frame composition. Until the scenes are drawn, a frame is the overlay on a cleared screen.
#include "production/frame_composition.h"

#include <GL/gl.h>

#include "app/window.h"
#include "render/overlay.h"

namespace production {

void DrawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    render::DrawOverlay();
    glFlush();
    app::SwapScreenBuffers();
}

}  // namespace production
