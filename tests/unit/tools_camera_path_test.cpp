// The show's camera path as the engine plays it: long enough, smooth, in the scene of each
// part and looking at what the part shows.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
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
struct ShowPath {
    ShowPath() {
        testing_support::TempFolder temp;
        ContentFolder folder(temp.path(), nullptr);
        WriteCameraPath(folder);
        bytes = temp.Read("Campath1.vcp");
        production::show.cameraPath.clear();
        production::LoadCameraPath("Campath1.vcp");
        keys = production::show.cameraPath;
    }
    std::string bytes;
    std::vector<production::CameraKey> keys;
};

const ShowPath& Path() {
    static const ShowPath path;
    return path;
}

// Plays the path as the frame loop does.
class CameraPathTest : public ::testing::Test {
protected:
    void SetUp() override { production::show.cameraPath = Path().keys; }

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

// One key per second past the show's end, the same bytes on every run.
TEST_F(CameraPathTest, OneKeyPerSecondPastTheShowsEndTheSameEveryRun) {
    EXPECT_GE(Path().keys.size(), 340u);
    EXPECT_EQ(EncodeCameraPath(ShowCameraPath()),
              std::vector<uint8_t>(Path().bytes.begin(), Path().bytes.end()));
    // Playback needs keys i + 1 and i + 2: the last second of the show must still move.
    EXPECT_NE(At(335.5).position.z, At(335).position.z);
}

TEST_F(CameraPathTest, HeadingNeverJumpsAndTheFlightIsSmooth) {
    for (size_t i = 1; i < Path().keys.size(); ++i) {
        EXPECT_LT(std::fabs(Path().keys[i].heading - Path().keys[i - 1].heading), 90.0f)
            << "key " << i;
        EXPECT_LT(std::fabs(Path().keys[i].pitch), 60.0f);
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

TEST_F(CameraPathTest, TheLandscapePartsStayOverTheValleyAndWatchTheirSubjects) {
    auto overGround = [](double t, const scene::Camera& camera) {
        const Vector& p = camera.position;
        EXPECT_GT(p.y, SeerGround(p.x, p.z) + 30) << "at " << t;
        EXPECT_LT(std::fabs(p.x), 1700.0f);
        EXPECT_GT(p.z, -1950.0f);
        EXPECT_LT(p.z, 1500.0f);
    };
    Every(0, 54, overGround);
    Every(177, 336, overGround);
    // In part 1: the sculpture; parts 2 and 13: the logos; part 12's circling: the sculpture.
    const struct {
        double from, to;
        Vector subject;
        float degrees;
    } watches[] = {{15, 37.5, layout::kSculpture, 25},
                   {40, 54, layout::kLogos, 15},
                   {303, 336, layout::kLogos, 15},
                   {194, 244, layout::kSculpture, 25}};
    for (const auto& w : watches) {
        Every(w.from, w.to, [&w](double t, const scene::Camera& c) {
            EXPECT_LT(OffAxis(c, w.subject), w.degrees) << "at " << t;
        });
    }
}

TEST_F(CameraPathTest, TheHallIsWalkedTowardsItsLightBetweenTheColumns) {
    Every(54, 86, [](double t, const scene::Camera& c) {
        const Vector& p = c.position;
        EXPECT_GT(p.x, layout::kHallMinX + 50) << "at " << t;
        EXPECT_LT(p.x + 600, layout::kHallMaxX) << "the light stays inside, at " << t;
        float across = std::fabs(p.z - layout::kHallMidZ);
        EXPECT_GT(p.y, layout::kGround + 40);
        // The light stands level with the eye, 600 along x: no column may come between.
        EXPECT_LT(across, layout::kHallColumnRow - 60) << "at " << t;
        if (t > 58) {
            EXPECT_GT(c.forward.x, 0.2f) << "looking down the hall at " << t;
        }
    });
}

TEST_F(CameraPathTest, TheWoodIsWalkedWithoutTouchingATree) {
    SceneDraft wood = WoodScene();
    std::vector<Vector> bark;
    for (const ObjectDraft& object : wood.objects) {
        if (object.name.rfind("Trunks", 0) == 0) {
            for (const MeshVertex& vertex : object.mesh.vertices) {
                bark.push_back(vertex.position);
            }
        }
    }
    ASSERT_FALSE(bark.empty());
    Every(89, 119, [&](double t, const scene::Camera& c) {
        const Vector& p = c.position;
        EXPECT_LT(std::fmax(std::fabs(p.x), std::fabs(p.z)), layout::kWoodHalfSize - 100) << t;
        EXPECT_GT(p.y, WoodGround(p.x, p.z) + 30) << "at " << t;
        for (const Vector& v : bark) {
            if (std::fabs(v.y - p.y) < 60) {
                ASSERT_GT(std::hypot(v.x - p.x, v.z - p.z), 20.0f) << "at " << t;
            }
        }
    });
}

TEST_F(CameraPathTest, TheKeyRoomIsCircledAboveTheWaterAndTheShadows) {
    Every(124, 172, [](double t, const scene::Camera& c) {
        const Vector& p = c.position;
        EXPECT_LT(std::fmax(std::fabs(p.x), std::fabs(p.z)), layout::kKeyRoomHalfSize - 120) << t;
        // The key and the table throw their shadows down from the light at about 40.
        EXPECT_GT(p.y, 100.0f) << "at " << t;
        EXPECT_LT(p.y, layout::kKeyRoomHeight - 40);
        EXPECT_LT(OffAxis(c, layout::kKey), 10.0f) << "at " << t;
    });
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
