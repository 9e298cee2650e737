// The frame loop on the virtual clock: timers, minimising and Esc.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "app/main_loop.h"
#include "app/window.h"
#include "platform/messages.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "support/process_test.h"

namespace {

using namespace platform;

class FrameLoop : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        UseVirtualClock();
        folder.Write("Torvane.cfg", "display_Width 800\ndisplay_Height 600\n");
        app::StartUp();
        Pass(100);
    }
    // A second shutdown, after the test's own, finds nothing left to release.
    void TearDown() override { app::ShutDown(); }
    // One pass of the loop after the clock moved on by `ticks`.
    bool Pass(int64_t ticks) {
        clock.Advance(ticks);
        return app::LoopPass();
    }
};

// The configured size reaches the viewport.
TEST_F(FrameLoop, FrameStepAndStatisticsFollowTheClock) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_TRUE(viewport[2] == 800 && viewport[3] == 600);
    EXPECT_EQ(render::display.frameStats.frameCount, 1u);
    for (int frame = 1; frame <= 50; ++frame) {
        ASSERT_TRUE(Pass(200));
    }
    EXPECT_EQ(app::run.frameTimer.elapsed, 200);
    EXPECT_EQ(app::run.scheduleTimer.elapsed, 10100);
    EXPECT_FLOAT_EQ(render::display.frameStats.framesPerSecond, 50.0f);
    EXPECT_EQ(render::display.frameStats.fpsText, "50");
}

TEST_F(FrameLoop, MinimisedWindowMakesNoFramesWhileTimeRunsOn) {
    uint64_t frames = render::display.frameStats.frameCount;
    PostMessage(WM_ACTIVATE, MakeLParam(WA_INACTIVE, 1), 0);
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(Pass(1000));
    }
    EXPECT_EQ(render::display.frameStats.frameCount, frames);
    PostMessage(WM_ACTIVATE, MakeLParam(WA_ACTIVE, 0), 0);
    Pass(0);
    Pass(0);
    EXPECT_EQ(render::display.frameStats.frameCount, frames + 1);
    EXPECT_EQ(app::run.scheduleTimer.elapsed, 10100);
}

TEST_F(FrameLoop, EscEndsTheRunBeforeDrawing) {
    uint64_t frames = render::display.frameStats.frameCount;
    PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(Pass(0));
    EXPECT_FALSE(Pass(0));
    EXPECT_EQ(app::run.quitRequested, 1);
    EXPECT_EQ(render::display.frameStats.frameCount, frames);
    app::WindowProc({WM_KEYUP, VK_ESCAPE, 0});
    clock.Advance(24900);
    app::ShutDown();
    EXPECT_NE(Log().find("<Esc> pressed, ok guys, goto exit!\nWork time: 2.500000 seconds\n"
                         "Torvane shut down...\n"),
              std::string::npos);
}

}  // namespace
