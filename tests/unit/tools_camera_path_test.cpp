// The show's camera path as the engine plays it: smooth, over the ground and looking at what
// each part shows; and the flight between waypoints that makes it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "production/camera_path.h"
#include "production/show.h"
#include "scene/camera.h"
#include "support/temp_folder.h"
#include "tools/data/camera_flight.h"
#include "tools/data/camera_path.h"
#include "tools/data/content_folder.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/scenes.h"

using namespace tools::data;
using scene::Vector;

namespace {

constexpr int64_t kTicksPerSecond = 10000;

// The path file the generator wrote, as the engine loads it.
const std::vector<production::CameraKey>& PathKeys() {
    static const std::vector<production::CameraKey> keys = [] {
        testing_support::TempFolder temp;
        ContentFolder folder(temp.path(), nullptr);
        WriteCameraPath(folder);
        production::show.cameraPath.clear();
        production::LoadCameraPath("Campath1.vcp");
        return production::show.cameraPath;
    }();
    return keys;
}

// Plays the path as the frame loop does.
class CameraPathTest : public ::testing::Test {
protected:
    void SetUp() override { production::show.cameraPath = PathKeys(); }

    static scene::Camera At(double seconds) {
        scene::Camera camera;
        production::PlayCameraPath(static_cast<int64_t>(std::llround(seconds * kTicksPerSecond)),
                                   camera);
        camera.Update();
        return camera;
    }

    // Calls `check` every tenth of a second in [from, to].
    static void Every(double from, double to,
                      const std::function<void(double, const scene::Camera&)>& check) {
        for (double t = from; t <= to + 1e-9; t += 0.1) {
            check(t, At(t));
        }
    }
};

// Degrees between the view and the direction to `subject`.
float OffAxis(const scene::Camera& camera, const Vector& subject) {
    Vector to = subject - camera.position;
    return std::acos(std::fmin(1.0f, to.Dot(camera.forward) / to.Length())) * 180.0f / 3.14159265f;
}

TEST_F(CameraPathTest, HeadingNeverJumpsAndTheFlightIsSmooth) {
    for (size_t i = 1; i < PathKeys().size(); ++i) {
        EXPECT_LT(std::fabs(PathKeys()[i].heading - PathKeys()[i - 1].heading), 90.0f)
            << "key " << i;
        EXPECT_LT(std::fabs(PathKeys()[i].pitch), 60.0f);
    }
    // Outside the fades through black no tenth of a second moves the eye far.
    // The fog ramps of parts 4 and 5, 7 and 8, 10 and 11 hide the moves between scenes.
    auto steady = [](double t) {
        return (t < 85 || t > 89) && (t < 120 || t > 126) && (t < 171 || t > 177);
    };
    scene::Camera before = At(0);
    Every(0.1, 336, [&](double t, const scene::Camera& camera) {
        if (steady(t)) {
            EXPECT_LT((camera.position - before.position).Length(), 15.0f) << "at " << t;
        }
        before = camera;
    });
}

TEST_F(CameraPathTest, TheLandscapePartsStayOverTheValleyAndEveryPartWatchesItsSubject) {
    auto overGround = [](double t, const scene::Camera& camera) {
        const Vector& p = camera.position;
        EXPECT_GT(p.y, SeerGround(p.x, p.z) + 30) << "at " << t;
        EXPECT_TRUE(std::fabs(p.x) < 1700 && p.z > -1950 && p.z < 1500) << "at " << t;
    };
    Every(0, 54, overGround);
    Every(177, 336, overGround);
    // In part 1: the sculpture; parts 2 and 13: the logos; part 12's circling: the sculpture;
    // the key room's circling: the key.
    const struct {
        double from, to;
        Vector subject;
        float degrees;
    } watches[] = {{15, 37.5, layout::kSculpture, 25},
                   {40, 54, layout::kLogos, 15},
                   {303, 336, layout::kLogos, 15},
                   {194, 244, layout::kSculpture, 25},
                   {124, 172, layout::kKey, 10}};
    for (const auto& w : watches) {
        Every(w.from, w.to, [&w](double t, const scene::Camera& c) {
            EXPECT_LT(OffAxis(c, w.subject), w.degrees) << "at " << t;
        });
    }
}

// Between waypoints that move evenly the flight moves evenly too, to the last waypoint,
// where it rests.
TEST(CameraFlight, EvenWaypointsGiveAnEvenFlight) {
    std::vector<Waypoint> waypoints;
    for (int i = 0; i < 4; ++i) {
        waypoints.push_back({2.0f * i, Vector(20.0f * i, 50, 0), Vector(20.0f * i, 0, 100)});
    }
    std::vector<production::CameraKey> keys = FlyThrough(waypoints, 7);
    ASSERT_EQ(keys.size(), 8u);
    EXPECT_FLOAT_EQ(keys[3].x, 30.0f);
    EXPECT_FLOAT_EQ(keys[7].x, 60.0f);
}

}  // namespace
