// The landscape hook of the scene drawing: height-field terrains a scene could hold.
// No terrain is built in this system, so every scene's list stays empty and the
// passes draw nothing; the landscape console variables are therefore without effect.
#pragma once

#include <memory>
#include <vector>

namespace scene {

class Camera;

// A terrain the scene drawing tessellates and draws before the scene's objects.
class Landscape {
public:
    virtual ~Landscape() = default;
    // Updates visibility and tessellation for the camera and draws the terrain.
    virtual void Draw(const Camera* camera) = 0;
    // Draws the current tessellation; the caller sets the line state around it.
    virtual void DrawTessellation() = 0;
};

using Landscapes = std::vector<std::unique_ptr<Landscape>>;

// Before the object passes: the first landscape, if any, drawn for the camera.
void DrawLandscapes(Landscapes& landscapes, const Camera* camera);
// After the object passes and the batch flush: with land_draw_quads, the first
// landscape's tessellation as lines, without lighting and depth writes.
void DrawLandscapeQuads(Landscapes& landscapes);

}  // namespace scene
