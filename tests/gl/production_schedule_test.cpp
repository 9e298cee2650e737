// The part schedule: strict part ends, one part per call, entry and leaving actions,
// fog ramps and the end of the show.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <tuple>

#include "app/main_loop.h"
#include "console/settings.h"
#include "production/schedule.h"
#include "production/show.h"
#include "support/gl_context.h"

namespace {

using production::RunSchedule;
production::Show& show = production::show;

class Schedule : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        for (const char* name : {"Ring_gold", "GeoSphere01", "Lumo", "DevHub"}) {
            AddObject(show.mainScene, name);
        }
        AddObject(show.keyRoomScene, "waterq");
        show.mainScene.particleSystems.resize(11);
        show.fireSystemIndex = 10;
    }
    static void AddObject(scene::Scene& scene, const char* name) {
        scene.objects.emplace_back().name = name;
        scene.objects.back().visible = false;
    }
    static bool Visible(const char* name, scene::Scene& scene = show.mainScene) {
        return scene.FindObject(name)->visible;
    }
    static float FogDensity() {
        float density;
        glGetFloatv(GL_FOG_DENSITY, &density);
        return density;
    }
    // Runs calls at `t` until the schedule stands in `part`, then one more that enters it.
    static void EnterPart(int part, int64_t t) {
        for (int i = 0; i < 40 && show.partIndex < part; ++i) {
            RunSchedule(t);
        }
        ASSERT_EQ(show.partIndex, part);
        RunSchedule(t);
    }
};

TEST_F(Schedule, PartsEndStrictlyAfterTheirTimeAndEnterOnTheNextCall) {
    RunSchedule(110000);
    EXPECT_EQ(show.partIndex, 0);
    RunSchedule(110001);
    EXPECT_EQ(show.partIndex, 1);
    EXPECT_FALSE(Visible("Ring_gold"));
    EXPECT_FALSE(show.partEntered);
    RunSchedule(110002);
    EXPECT_TRUE(Visible("Ring_gold"));
    EXPECT_TRUE(Visible("GeoSphere01"));
    EnterPart(2, 380001);
    EXPECT_FALSE(Visible("Ring_gold"));
    EXPECT_TRUE(Visible("Lumo"));
    EXPECT_TRUE(Visible("DevHub"));
}

TEST_F(Schedule, ALongPauseStillPassesEveryPartOncePerCallWithItsEntry) {
    while (show.partIndex < production::kPartCount) {
        int before = show.partIndex;
        RunSchedule(3400000);
        EXPECT_EQ(show.partIndex, before + 1);
    }
    EXPECT_EQ(app::run.quitRequested, 1);
    // Part 13's entry ran: logos shown, rings hidden.
    EXPECT_TRUE(Visible("Lumo"));
    EXPECT_FALSE(Visible("Ring_gold"));
    RunSchedule(3500000);
    EXPECT_EQ(show.partIndex, 14);
}

// Fog density at calls in order: each ramp starts on its part's entry.
TEST_F(Schedule, FogRampsRunOverEachPartsLength) {
    // Part, time and density.
    const std::tuple<int, int64_t, float> calls[] = {{4, 850001, 0.00001f},  {4, 870000, 0.01f},
                                                     {5, 870001, 0.01f},     {5, 890000, 0.0001f},
                                                     {7, 1200001, 0.00001f}, {7, 1230000, 0.01f}};
    for (const auto& [part, t, density] : calls) {
        if (show.partIndex < part) {
            EnterPart(part, t);
        } else {
            RunSchedule(t);
        }
        EXPECT_NEAR(FogDensity(), density, 1e-6) << t;
    }
    EXPECT_FLOAT_EQ(console::settings.camera_Speed, 300.0f);
    RunSchedule(1230001);
    EXPECT_FLOAT_EQ(console::settings.camera_Speed, 100.0f) << "set on leaving part 7";
}

TEST_F(Schedule, KeyRoomEntryResetsTheCameraAndWaterAndFire) {
    show.camera.position = scene::Vector(5, 6, 7);
    show.keyRoomScene.FindObject("waterq")->visible = true;
    EnterPart(8, 1230001);
    EXPECT_TRUE(show.camera.position.x == 0 && show.camera.position.z == 0);
    EnterPart(9, 1260001);
    EXPECT_FALSE(show.mainScene.particleSystems[10].active);
    EXPECT_FALSE(Visible("waterq", show.keyRoomScene));
    EXPECT_FLOAT_EQ(FogDensity(), 0.00001f);
    EnterPart(12, 1770001);
    EXPECT_TRUE(show.mainScene.particleSystems[10].active);
    EXPECT_FLOAT_EQ(FogDensity(), 0.0001f);
}

}  // namespace
