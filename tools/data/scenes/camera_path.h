// The show's camera path, Campath1.vcp: the flight through each part's scene in step with
// the part schedule, one key per second.
#pragma once

#include <cstdint>
#include <vector>

#include "production/camera_path.h"
#include "tools/data/content_folder.h"
#include "tools/data/scenes/camera_flight.h"

namespace tools::data {

// Keys 0 to kCameraPathSeconds: playback needs two keys past the last second it shows.
constexpr int kCameraPathSeconds = 345;

// Where the camera is and what it looks at, part by part.
std::vector<Waypoint> ShowFlight();
std::vector<production::CameraKey> ShowCameraPath();
std::vector<uint8_t> EncodeCameraPath(const std::vector<production::CameraKey>& keys);
void WriteCameraPath(ContentFolder& folder);

}  // namespace tools::data
