// The caption and title-image timetable, driven through the frame timer by a virtual
// clock.
#include <gtest/gtest.h>

#include "app/timer.h"
#include "production/captions.h"
#include "production/show.h"
#include "support/process_test.h"

namespace {

using namespace production;

class Captions : public testing_support::ProcessTest {
protected:
    void SetUp() override {
        UseVirtualClock();
        app::InitTimer();
        BuildCaptions();
        frameTimer.Start();
    }

    // One frame of the loop: the frame timer's step, then the sequences advance.
    void Frame(int64_t ticks) {
        clock.Advance(ticks);
        int64_t dt = frameTimer.Update();
        frameTimer.Start();
        AdvanceCaptions(dt);
    }

    // The title image drawn in grey `level` at (70, y).
    void ExpectTitle(float level, int y) {
        EXPECT_NEAR(show.titleColor.x, level, 1e-4);
        EXPECT_NEAR(show.titleColor.y, level, 1e-4);
        EXPECT_NEAR(show.titleColor.z, level, 1e-4);
        EXPECT_EQ(std::vector<int32_t>(show.titlePosition, show.titlePosition + 2),
                  (std::vector<int32_t>{70, y}));
    }

    app::Timer frameTimer;
};

TEST_F(Captions, TablesStartOnTheLoadingImage) {
    EXPECT_EQ(show.titleImage, &show.titleTextures[0]);
    ExpectTitle(1.0f, 180);
    EXPECT_EQ(CurrentCaption(), "");
    // Each picture is loaded once: entry 17 shows the sixth.
    EXPECT_EQ(show.titleImages[17].image, &show.titleTextures[5]);
}

// The title fades in after the loading screen; each entry runs to its full length and
// the one-tick frame after it moves on and is dropped, so 11.5 s in the first verse plate
// is half-way through its fade, drifting down.
TEST_F(Captions, TitlesFadeInAndTheVersePlateDriftsDown) {
    NextTitleImage();
    EXPECT_EQ(show.titleImage, &show.titleTextures[1]);
    ExpectTitle(0.0f, 210);
    Frame(15000);
    ExpectTitle(0.5f, 210);
    for (int64_t length : {15000, 50000, 30000}) {
        Frame(length);
        Frame(1);
    }
    EXPECT_EQ(show.titleImage, &show.titleTextures[2]);
    ExpectTitle(0.0f, 200);
    Frame(5000);
    ExpectTitle(0.5f, 205);
}

TEST_F(Captions, CaptionLeavesOnlyOnceElapsedExceedsItsDuration) {
    // Half-second frames add up exactly: at 27.0 s the empty caption is still current.
    for (int i = 0; i < 54; ++i) {
        Frame(5000);
    }
    EXPECT_EQ(show.captionIndex, 0u);
    EXPECT_EQ(show.captions[0].elapsed, 27.0f);
    EXPECT_EQ(show.captionColor.x, 1.0f);
    Frame(5000);
    EXPECT_EQ(show.captionIndex, 1u);
    EXPECT_EQ(CurrentCaption(), "What we see while sleeping?");
    // The overshoot is dropped: the next caption starts from 0.
    EXPECT_EQ(show.captions[1].elapsed, 0.0f);
    Frame(5000);
    EXPECT_EQ(show.captions[1].elapsed, 0.5f);
}

TEST_F(Captions, BothSequencesEndAndStayEnded) {
    NextTitleImage();
    for (int i = 0; i < 500; ++i) {
        Frame(10000);
    }
    for (int again = 0; again < 2; ++again, NextTitleImage(), Frame(10000)) {
        EXPECT_EQ(show.captionIndex, show.captions.size());
        EXPECT_EQ(show.titleIndex, show.titleImages.size());
        EXPECT_EQ(show.titleImage, nullptr);
        EXPECT_EQ(CurrentCaption(), "");
    }
}

}  // namespace
