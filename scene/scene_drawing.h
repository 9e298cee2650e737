// The scene drawing of one frame: visible objects from their display lists, animated
// objects through the triangle batches, and the landscape hook.
#pragma once

#include "scene/scene.h"

namespace scene {

void DrawScene(Scene& scene);

}  // namespace scene
