// The camera path: keys one second apart, played back as a smooth flight or recorded
// from the free camera. The file is a headerless run of 28-byte little-endian records.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "scene/camera.h"

namespace production {

struct CameraKey {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 1.0f;
    float heading = 0.0f;
    float pitch = 0.0f;
};

constexpr size_t kCameraRecordSize = 28;

// Appends every whole record of the file to the show's `cameraPath`; a short last record is left
// out.
void LoadCameraPath(const std::string& fileName);
// Places `camera` on the path at `t` ticks; past the last whole interval it stays put.
void PlayCameraPath(int64_t t, scene::Camera& camera);
// Writes the camera as one record to the show's `cameraRecordFile`.
void RecordCameraKey(const scene::Camera& camera);

// The 28 bytes of one record, and back.
void EncodeCameraKey(const CameraKey& key, uint8_t record[kCameraRecordSize]);
CameraKey DecodeCameraKey(const uint8_t record[kCameraRecordSize]);

}  // namespace production
