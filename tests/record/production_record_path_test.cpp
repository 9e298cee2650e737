// The recording variant: a synthetic flight on the virtual clock writes one camera key a
// second, and the keys play back along the same flight.
#include <gtest/gtest.h>

#include "app/main_loop.h"
#include "app/window.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "production/camera_path.h"
#include "production/production.h"
#include "support/temp_folder.h"

namespace {

using namespace platform;

TEST(RecordThenPlay, FlownKeysPlayBackAlongTheFlight) {
    testing_support::TempFolder folder;
    VirtualClock clock;
    UseClock(&clock);
    app::StartUp();
    ASSERT_NE(production::cameraRecordFile, nullptr);
    scene::Vector start = production::camera.position;

    // The mouse rests at the window's centre, so the view does not turn; W is held for
    // five seconds at 20 frames a second: straight ahead at camera_Speed.
    PostMessage(WM_MOUSEMOVE, 0, MakeLParam(320, 240));
    PostMessage(WM_KEYDOWN, 'W', 0);
    for (int frame = 0; frame < 100; ++frame) {
        clock.Advance(500);
        ASSERT_TRUE(app::LoopPass());
    }
    app::ShutDown();
    UseClock(nullptr);

    std::string bytes = folder.Read("Campath1.vcp");
    ASSERT_EQ(bytes.size() % production::kCameraRecordSize, 0u);
    size_t keys = bytes.size() / production::kCameraRecordSize;
    EXPECT_GE(keys, 4u);
    EXPECT_LE(keys, 5u);

    production::cameraPath.clear();
    production::LoadCameraPath("Campath1.vcp");
    ASSERT_EQ(production::cameraPath.size(), keys);
    const float speed = console::settings.camera_Speed;
    for (size_t k = 1; k < keys; ++k) {
        const production::CameraKey& a = production::cameraPath[k - 1];
        const production::CameraKey& b = production::cameraPath[k];
        // A key about every second, each about camera_Speed further along the view.
        float moved = scene::Vector(b.x - a.x, b.y - a.y, b.z - a.z).Length();
        EXPECT_NEAR(moved, speed, 0.11f * speed);
    }
    EXPECT_GT(production::cameraPath[0].z, start.z);

    scene::Camera replay;
    production::PlayCameraPath(0, replay);
    EXPECT_FLOAT_EQ(replay.position.z, production::cameraPath[0].z);
}

// The offscreen window never has the input focus, so the cursor cannot be brought back
// to its centre: the mouse, resting at the corner, must not turn the view.
TEST(RecordThenPlay, AFlightWithoutFocusKeepsTheStartingView) {
    testing_support::TempFolder folder;
    VirtualClock clock;
    UseClock(&clock);
    app::StartUp();
    PostMessage(WM_MOUSEMOVE, 0, MakeLParam(0, 0));
    for (int frame = 0; frame < 80; ++frame) {
        clock.Advance(500);
        ASSERT_TRUE(app::LoopPass());
    }
    app::ShutDown();
    UseClock(nullptr);

    production::cameraPath.clear();
    production::LoadCameraPath("Campath1.vcp");
    ASSERT_GE(production::cameraPath.size(), 3u);
    for (const production::CameraKey& key : production::cameraPath) {
        EXPECT_EQ(key.heading, 0.0f);
        EXPECT_EQ(key.pitch, 0.0f);
    }
}

}  // namespace
