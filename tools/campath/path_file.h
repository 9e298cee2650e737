// Camera path files (.vcp) as whole key lists, and the same keys as CSV text that people
// and spreadsheets can edit: one row per key, "second,x,y,z,w,heading,pitch".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "production/camera_path.h"

namespace tools::campath {

using production::CameraKey;

// Every record of the file; throws std::runtime_error naming the file when it cannot be
// read or ends in a partial record.
std::vector<CameraKey> ReadPathFile(const std::string& path);
void WritePathFile(const std::string& path, const std::vector<CameraKey>& keys);

// Nine significant digits, so that every float reads back to the same bits.
std::string PathCsv(const std::vector<CameraKey>& keys);
// Throws std::runtime_error naming the line when a row is malformed or its second is not
// the row's place in the path.
std::vector<CameraKey> ParsePathCsv(const std::string& text);

}  // namespace tools::campath
