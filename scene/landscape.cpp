// The landscape passes of the scene drawing.
#include "scene/landscape.h"

#include "console/settings.h"
#include "render/gl.h"

namespace scene {

void DrawLandscapes(Landscapes& landscapes, const Camera* camera) {
    if (!landscapes.empty()) {
        landscapes.front()->Draw(camera);
    }
}

void DrawLandscapeQuads(Landscapes& landscapes) {
    if (landscapes.empty() || !console::settings.land_draw_quads) {
        return;
    }
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    landscapes.front()->DrawTessellation();
    glEnable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
}

}  // namespace scene
