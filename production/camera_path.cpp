// Loading, playing and recording the camera path.
#include "production/camera_path.h"
#include "production/show.h"

#include <cstring>

#include "platform/files.h"

namespace production {

namespace {

// What the recorder writes in each record's first, unused field.
constexpr uint32_t kRecordMark = 0x4B4D4143;  // "CAMK"

void PutLittleEndian(uint32_t value, uint8_t* out) {
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t GetLittleEndian(const uint8_t* in) {
    return static_cast<uint32_t>(in[0]) | static_cast<uint32_t>(in[1]) << 8 |
           static_cast<uint32_t>(in[2]) << 16 | static_cast<uint32_t>(in[3]) << 24;
}

void PutFloat(float value, uint8_t* out) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    PutLittleEndian(bits, out);
}

float GetFloat(const uint8_t* in) {
    uint32_t bits = GetLittleEndian(in);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The parabola through (0, v0), (1, v1), (2, v2), at f in the first interval.
float Parabola(float v0, float v1, float v2, float f) {
    float a = (v0 - 2.0f * v1 + v2) * 0.5f;
    return v0 + f * (v1 - v0 - a) + f * f * a;
}

}  // namespace

void EncodeCameraKey(const CameraKey& key, uint8_t record[kCameraRecordSize]) {
    PutLittleEndian(kRecordMark, record);
    const float fields[6] = {key.x, key.y, key.z, key.w, key.heading, key.pitch};
    for (int i = 0; i < 6; ++i) {
        PutFloat(fields[i], record + 4 + 4 * i);
    }
}

CameraKey DecodeCameraKey(const uint8_t record[kCameraRecordSize]) {
    CameraKey key;
    key.x = GetFloat(record + 4);
    key.y = GetFloat(record + 8);
    key.z = GetFloat(record + 12);
    key.w = GetFloat(record + 16);
    key.heading = GetFloat(record + 20);
    key.pitch = GetFloat(record + 24);
    return key;
}

void LoadCameraPath(const std::string& fileName) {
    FILE* file = platform::OpenFile(fileName, "rb");
    if (!file) {
        return;
    }
    uint8_t record[kCameraRecordSize];
    while (std::fread(record, 1, kCameraRecordSize, file) == kCameraRecordSize) {
        show.cameraPath.push_back(DecodeCameraKey(record));
    }
    std::fclose(file);
}

void PlayCameraPath(int64_t t, scene::Camera& camera) {
    int64_t i = t / 10000;
    if (i < 0 || i + 4 > static_cast<int64_t>(show.cameraPath.size())) {
        return;
    }
    float f = static_cast<float>(t % 10000) * 0.0001f;
    const CameraKey& k0 = show.cameraPath[i];
    const CameraKey& k1 = show.cameraPath[i + 1];
    const CameraKey& k2 = show.cameraPath[i + 2];
    camera.position.x = Parabola(k0.x, k1.x, k2.x, f);
    camera.position.y = Parabola(k0.y, k1.y, k2.y, f);
    camera.position.z = Parabola(k0.z, k1.z, k2.z, f);
    camera.heading = Parabola(k0.heading, k1.heading, k2.heading, f);
    camera.pitch = Parabola(k0.pitch, k1.pitch, k2.pitch, f);
}

void RecordCameraKey(const scene::Camera& camera) {
    if (!show.cameraRecordFile) {
        return;
    }
    CameraKey key{camera.position.x, camera.position.y, camera.position.z,
                  camera.position.w, camera.heading,    camera.pitch};
    uint8_t record[kCameraRecordSize];
    EncodeCameraKey(key, record);
    std::fwrite(record, 1, kCameraRecordSize, show.cameraRecordFile);
}

}  // namespace production
