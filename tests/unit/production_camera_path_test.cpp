// The camera path: file records, playback, recording.
#include <gtest/gtest.h>

#include <cstdio>

#include "production/camera_path.h"
#include "production/show.h"
#include "scene/camera.h"
#include "support/process_test.h"

namespace {

using production::CameraKey;

std::string PathFile(const std::vector<CameraKey>& keys, size_t extraBytes = 0) {
    std::string bytes;
    for (const CameraKey& key : keys) {
        uint8_t record[production::kCameraRecordSize];
        production::EncodeCameraKey(key, record);
        bytes.append(reinterpret_cast<const char*>(record), sizeof record);
    }
    return bytes + std::string(extraBytes, '\x7f');
}

// Keys whose x is the parabola 3k² − k and whose heading counts up by 10 from 350.
std::vector<CameraKey> TenKeys() {
    std::vector<CameraKey> keys;
    for (int k = 0; k < 10; ++k) {
        float x = static_cast<float>(3 * k * k - k);
        keys.push_back({x, 2.0f * k, -1.0f * k, 1.0f, k == 1 ? 10.0f : 350.0f, 5.0f});
    }
    return keys;
}

class CameraPath : public testing_support::ProcessTest {
protected:
    scene::Camera camera;
};

// Little-endian records of 28 bytes; a short tail is ignored, a missing file leaves the
// path empty and the camera where it was.
TEST_F(CameraPath, RecordsRoundTripAndShortTailIsIgnored) {
    camera.position = scene::Vector(1, 2, 3);
    production::LoadCameraPath("Campath1.vcp");
    production::PlayCameraPath(5000, camera);
    EXPECT_EQ(camera.position.x, 1.0f);
    folder.Write("Campath1.vcp", PathFile(TenKeys(), 27));
    production::LoadCameraPath("Campath1.vcp");
    ASSERT_EQ(production::show.cameraPath.size(), 10u);
    EXPECT_EQ(production::show.cameraPath[3].x, 24.0f);
    EXPECT_EQ(production::show.cameraPath[3].z, -3.0f);
    // Position x of key 1 is 2.0f = 0x40000000.
    EXPECT_EQ(folder.Read("Campath1.vcp").substr(28 + 4, 4), std::string("\x00\x00\x00\x40", 4));
}

// The heading is a plain number: between 350 and 10 it passes through 180.
TEST_F(CameraPath, PlaybackFollowsTheParabolaAndStopsThreeKeysEarly) {
    production::show.cameraPath = TenKeys();
    production::PlayCameraPath(5000, camera);
    EXPECT_TRUE(camera.heading > 20.0f && camera.heading < 340.0f) << camera.heading;
    production::PlayCameraPath(30000, camera);
    EXPECT_EQ(camera.position.Components(), scene::Vector(24, 6, -3, 1).Components());
    production::PlayCameraPath(35000, camera);
    EXPECT_NEAR(camera.position.x, 3 * 3.5f * 3.5f - 3.5f, 1e-3);
    EXPECT_NEAR(camera.position.z, -3.5f, 1e-5);
    EXPECT_EQ(camera.position.w, 1.0f);
    production::PlayCameraPath(69999, camera);
    EXPECT_NEAR(camera.position.x, 3 * 7.0f * 7.0f - 7.0f, 0.05);
    float stopped = camera.position.x;
    production::PlayCameraPath(70000, camera);
    production::PlayCameraPath(90000, camera);
    EXPECT_EQ(camera.position.x, stopped);
}

TEST_F(CameraPath, RecordedKeysPlayBack) {
    production::show.cameraRecordFile = std::fopen("Campath1.vcp", "wb");
    for (int k = 0; k < 5; ++k) {
        camera.position = scene::Vector(10.0f * k, 0, 0);
        camera.heading = 1.0f * k;
        production::RecordCameraKey(camera);
    }
    std::fclose(production::show.cameraRecordFile);
    production::show.cameraRecordFile = nullptr;
    production::LoadCameraPath("Campath1.vcp");
    ASSERT_EQ(production::show.cameraPath.size(), 5u);
    production::PlayCameraPath(10000, camera);
    EXPECT_EQ(camera.position.x, 10.0f);
    EXPECT_EQ(camera.heading, 1.0f);
}

}  // namespace
