// The recording variant: a synthetic flight on the virtual clock writes one camera key a
// second, and the keys play back along the same flight; the path it replaces is kept.
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/stat.h>

#include "app/main_loop.h"
#include "app/window.h"
#include "console/settings.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "production/camera_path.h"
#include "production/production.h"
#include "production/show.h"
#include "support/process_test.h"

namespace {

using namespace platform;

using RecordThenPlay = testing_support::ProcessTest;

// W is held for five seconds at 20 frames a second: straight ahead at camera_Speed. The
// offscreen window never has the input focus, so the cursor cannot be brought back to
// its centre: the mouse, resting near the corner, must not turn the view, and the cursor is
// left where the user put it.
TEST_F(RecordThenPlay, FlownKeysPlayBackAlongTheFlight) {
    UseVirtualClock();
    app::StartUp();
    scene::Vector start = production::show.camera.position;
    PostMessage(WM_MOUSEMOVE, 0, MakeLParam(3, 4));
    PostMessage(WM_KEYDOWN, 'W', 0);
    for (int frame = 0; frame < 100; ++frame) {
        clock.Advance(500);
        ASSERT_TRUE(app::LoopPass());
    }
    EXPECT_EQ(std::pair(app::input.mouseX, app::input.mouseY), std::pair(3, 4));
    app::ShutDown();
    UseClock(nullptr);

    std::string bytes = folder.Read("Campath1.vcp");
    size_t keys = bytes.size() / production::kCameraRecordSize;
    EXPECT_EQ(bytes.size() % production::kCameraRecordSize, 0u);
    EXPECT_TRUE(keys == 4 || keys == 5) << keys;
    production::show.cameraPath.clear();
    production::LoadCameraPath("Campath1.vcp");
    ASSERT_EQ(production::show.cameraPath.size(), keys);
    const float speed = console::settings.camera_Speed;
    for (size_t k = 0; k < keys; ++k) {
        const production::CameraKey& b = production::show.cameraPath[k];
        EXPECT_EQ(b.heading, 0.0f);
        EXPECT_EQ(b.pitch, 0.0f);
        // A key about every second, each about camera_Speed further along the view.
        const production::CameraKey& a = production::show.cameraPath[k ? k - 1 : 0];
        float moved = scene::Vector(b.x - a.x, b.y - a.y, b.z - a.z).Length();
        EXPECT_NEAR(moved, k ? speed : 0.0f, 0.11f * speed);
    }
    EXPECT_GT(production::show.cameraPath[0].z, start.z);
    scene::Camera replay;
    production::PlayCameraPath(0, replay);
    EXPECT_FLOAT_EQ(replay.position.z, production::show.cameraPath[0].z);
}

// A recording run starts Campath1.vcp anew; the path that was there is kept, byte for
// byte, under the first free numbered name, and the log says where.
TEST_F(RecordThenPlay, RecordingKeepsTheEarlierPath) {
    const std::string earlier(3 * production::kCameraRecordSize, 'k');
    folder.Write("Campath1.vcp", earlier);
    folder.Write("Campath1.vcp.1", "kept by an earlier run");
    UseVirtualClock();
    app::StartUp();
    for (int frame = 0; frame < 30; ++frame) {
        clock.Advance(500);
        ASSERT_TRUE(app::LoopPass());
    }
    app::ShutDown();
    EXPECT_EQ(folder.Read("Campath1.vcp.2"), earlier);
    EXPECT_EQ(folder.Read("Campath1.vcp.1"), "kept by an earlier run");
    EXPECT_EQ(folder.Read("Campath1.vcp").size(), production::kCameraRecordSize);
    EXPECT_NE(Log().find("Camera path Campath1.vcp kept as Campath1.vcp.2"), std::string::npos);
}

// In a folder where the earlier path cannot be moved aside, the run records nothing rather
// than write over it, and says so. Root, too, is held to the folder's permissions while its
// file-system identity is another user's.
TEST_F(RecordThenPlay, NothingIsRecordedOverAPathThatCannotBeKept) {
    const std::string earlier(3 * production::kCameraRecordSize, 'k');
    folder.Write("Campath1.vcp", earlier);
    chmod(".", 0555);
    chmod(kLogName, 0666);
    chmod("Campath1.vcp", 0666);
    setfsuid(65534);
    UseVirtualClock();
    app::StartUp();
    for (int frame = 0; frame < 30 && app::LoopPass(); ++frame) {
        clock.Advance(500);
    }
    app::ShutDown();
    setfsuid(0);
    chmod(".", 0755);
    EXPECT_EQ(folder.Read("Campath1.vcp"), earlier);
    EXPECT_NE(Log().find("Can't keep the camera path Campath1.vcp as Campath1.vcp.1, so nothing "
                         "is recorded"),
              std::string::npos);
}

}  // namespace
