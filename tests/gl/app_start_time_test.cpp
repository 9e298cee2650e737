// Starting the show at a moment: TORVANE_START read, the show caught up with the moment and
// its sound where an unbroken run has it; part 1 reached late without a start time (a hidden
// window) starts the sound where the clock has got to, on time from its beginning; the
// console's `start`.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <tuple>

#include "app/main_loop.h"
#include "app/start_time.h"
#include "console/log.h"
#include "console/settings.h"
#include "platform/audio.h"
#include "production/show.h"
#include "support/process_test.h"
#include "support/show_audio.h"
#include "support/show_frames.h"

namespace {

using testing_support::kFrameTicks;
using testing_support::MakeFrames;

class StartTime : public testing_support::ProcessTest {
protected:
    void SetUp() override { StartShow(); }
    void TearDown() override {
        app::ShutDown();
        platform::UseManualAudio(false);
        unsetenv("TORVANE_START");
    }
    // The show started afresh on a clock at 0, its audio pulled by hand; the one before, if
    // any, shut down.
    void StartShow() {
        app::ShutDown();
        testing_support::ResetProcessState();
        console::StartLog(kLogName);
        platform::UseManualAudio(true);
        clock = platform::VirtualClock();
        UseVirtualClock();
        testing_support::WriteShowAudio(folder);
        app::StartUp();
    }
    double ScheduleSeconds() {
        return static_cast<double>(app::run.scheduleTimer.Update()) / app::kTicksPerSecond;
    }
};

TEST_F(StartTime, TheEnvironmentGivesTheMoment) {
    const std::tuple<const char*, std::optional<double>, bool> cases[] = {
        {"150", 150.0, false},      {"12.5", 12.5, false},    {"abc", std::nullopt, true},
        {"-3", std::nullopt, true}, {"", std::nullopt, true}, {nullptr, std::nullopt, false}};
    for (const auto& [text, seconds, logged] : cases) {
        SCOPED_TRACE(text ? text : "(unset)");
        text ? setenv("TORVANE_START", text, 1) : unsetenv("TORVANE_START");
        const size_t lines = Log().size();
        EXPECT_EQ(app::StartTimeAsked(), seconds);
        EXPECT_EQ(Log().find("is not a time in seconds", lines) != std::string::npos, logged);
    }
}

// From a start before part 1, inside it and later, the sound of each frame is the sound of
// the same frame in a run that played every frame from the beginning.
TEST_F(StartTime, TheSoundFromAStartIsTheUnbrokenRunsFromThere) {
    constexpr int kHeardFrames = 25;
    const std::vector<float> unbroken = MakeFrames(clock, 350 + kHeardFrames);
    for (int startFrame : {100, 300, 320, 350}) {
        SCOPED_TRACE(startFrame);
        StartShow();
        app::CatchUp(startFrame * kFrameTicks / 10000.0);
        EXPECT_DOUBLE_EQ(ScheduleSeconds(), startFrame * kFrameTicks / 10000.0);
        const std::vector<float> heard = MakeFrames(clock, kHeardFrames);
        EXPECT_TRUE(std::equal(
            heard.begin(), heard.end(),
            unbroken.begin() + static_cast<long>(heard.size() / kHeardFrames * startFrame)));
    }
}

// Frames that stop before part 1 and come back later (a hidden or minimised window) start
// the sound where the clock has got to since part 1 began; frames on time, at its beginning
// (each position read after the frame's own sound).
TEST_F(StartTime, PartOneReachedLateStartsTheSoundInStep) {
    for (const auto& [gap, position] : {std::pair{0, 0.04}, std::pair{20000, 1.88}}) {
        SCOPED_TRACE(gap);
        StartShow();
        MakeFrames(clock, 270);  // to 10.8 s
        clock.Advance(gap);
        while (production::show.audioState < 2) {
            MakeFrames(clock, 1);
        }
        EXPECT_NEAR(platform::AudioPosition(production::show.musicModule), position, 0.001);
    }
}

TEST_F(StartTime, TheConsoleGoesForwardOnly) {
    console::Execute("start 20");
    MakeFrames(clock, 2);
    EXPECT_NEAR(ScheduleSeconds(), 20.08, 1e-9);
    console::Execute("start 5");
    MakeFrames(clock, 1);
    EXPECT_NE(Log().find("The show goes forward only"), std::string::npos);
    EXPECT_NEAR(ScheduleSeconds(), 20.12, 1e-9);
}

}  // namespace
