// Frame composition. Until the scenes are drawn, a frame is a cleared screen.
#include "production/frame_composition.h"

#include <GL/gl.h>

#include "app/window.h"

namespace production {

void DrawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    app::SwapScreenBuffers();
}

}  // namespace production
