// The vertex-animation files: base path + ".m3vba0" (rest pose), ".m3vba" (the clip)
// and ".m3vw" (vertex weights), attached to the scene's last mesh.
#pragma once

#include <cstdint>
#include <string>

namespace scene {

class Scene;

// Reads whichever of the three files exist; missing ones are skipped silently.
// File positions are scaled by `scale`; the clip's frames share `animationLength`
// clock units.
void LoadAnimation(Scene& scene, const std::string& basePath, float scale, int32_t animationLength);

}  // namespace scene
