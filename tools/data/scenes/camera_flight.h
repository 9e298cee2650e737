// Turning a planned flight (where the eye is and what it looks at, at chosen times) into
// camera keys one second apart, as the camera path file holds them.
#pragma once

#include <vector>

#include "production/camera_path.h"
#include "scene/vector.h"

namespace tools::data {

using scene::Vector;

struct Waypoint {
    float time;  // seconds
    Vector eye;
    Vector target;
};

// Waypoints round `centre`, every `step` seconds from `start` to `end`: the eye at angle a
// stands at centre + (r sin a, 0, -r cos a) at height `height` (so a heading of a looks
// back at the centre), radius, height and angle moving evenly from their first values
// to their second.
struct Orbit {
    float start;
    float end;
    Vector centre;
    float radius[2];
    float height[2];
    float degrees[2];
    Vector target;
    float step = 2.0f;
};
void AddOrbit(std::vector<Waypoint>& waypoints, const Orbit& orbit);

// Repeats the last waypoint at `time`: the flight rests there, and a long move that
// follows does not bend the curve before it.
void HoldUntil(std::vector<Waypoint>& waypoints, float time);

// Heading and pitch that look from `eye` towards `target`; the heading is the one of its
// turns nearest `previousHeading`, since playback interpolates it as a plain number.
production::CameraKey LookingAt(const Vector& eye, const Vector& target, float previousHeading);

// Keys for the whole seconds 0 to `seconds`. Eye and target each follow a smooth curve
// through the waypoints (which must run in time order), held before the first and after
// the last.
std::vector<production::CameraKey> FlyThrough(const std::vector<Waypoint>& waypoints, int seconds);

}  // namespace tools::data
