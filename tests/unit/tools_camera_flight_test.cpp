// The flight between waypoints that makes the show's camera path.
#include <gtest/gtest.h>

#include "tools/data/scenes/camera_flight.h"

using namespace tools::data;
using scene::Vector;

namespace {

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
