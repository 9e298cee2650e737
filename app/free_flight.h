// The recording variant's free camera: mouse look, W/A/S/D flight and the console key.
#pragma once

#include <cstdint>

#include "scene/camera.h"

namespace app {

// The recording variant's input step: mouse look, the console key, then either the
// free camera's flight (console closed) or the console's keys (open).
void ConsoleInput(int64_t ticks);
// Moves the camera by W/A/S/D at camera_Speed for `seconds`.
void FlyCamera(scene::Camera& camera, float seconds);

}  // namespace app
