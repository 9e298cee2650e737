// The recording variant's record file, Campath1.vcp, written anew on each recording run.
#pragma once

namespace production {

// Opens Campath1.vcp for writing as the show's `cameraRecordFile`. A non-empty path already
// there is first renamed to the first free Campath1.vcp.N (N = 1, 2, ...), with a log line
// saying where it went; when that fails nothing is recorded, so no path is ever lost.
void OpenCameraRecord();
// Closes the record file when one is open.
void CloseCameraRecord();

}  // namespace production
