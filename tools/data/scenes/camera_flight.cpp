// Cubic curves through the waypoints, sampled once a second, and the view angles.
#include "tools/data/scenes/camera_flight.h"

#include <cmath>

namespace tools::data {
namespace {

constexpr float kDegrees = 180.0f / 3.14159265f;

float Lerp(const float (&range)[2], float f) {
    return range[0] + (range[1] - range[0]) * f;
}

bool Same(const Vector& a, const Vector& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// The curve's direction at waypoint i, from its neighbours in time; none where the
// flight rests, so that it neither overshoots into a rest nor out of one.
Vector Tangent(const std::vector<Waypoint>& w, size_t i, Vector Waypoint::*member) {
    size_t before = i > 0 ? i - 1 : i;
    size_t after = i + 1 < w.size() ? i + 1 : i;
    if (Same(w[before].*member, w[i].*member) || Same(w[after].*member, w[i].*member)) {
        return Vector(0, 0, 0);
    }
    float span = w[after].time - w[before].time;
    return span > 0 ? (w[after].*member - w[before].*member) * (1.0f / span) : Vector(0, 0, 0);
}

// Cubic Hermite interpolation between waypoints i and i + 1.
Vector Smooth(const std::vector<Waypoint>& w, size_t i, float t, Vector Waypoint::*member) {
    float span = w[i + 1].time - w[i].time;
    float s = (t - w[i].time) / span, s2 = s * s, s3 = s2 * s;
    Vector m0 = Tangent(w, i, member) * span;
    Vector m1 = Tangent(w, i + 1, member) * span;
    return w[i].*member * (2 * s3 - 3 * s2 + 1) + m0 * (s3 - 2 * s2 + s) +
           w[i + 1].*member * (-2 * s3 + 3 * s2) + m1 * (s3 - s2);
}

Waypoint At(const std::vector<Waypoint>& w, float t) {
    if (t <= w.front().time) {
        return w.front();
    }
    for (size_t i = 0; i + 1 < w.size(); ++i) {
        if (t < w[i + 1].time) {
            return {t, Smooth(w, i, t, &Waypoint::eye), Smooth(w, i, t, &Waypoint::target)};
        }
    }
    return w.back();
}

}  // namespace

void AddOrbit(std::vector<Waypoint>& waypoints, const Orbit& orbit) {
    int steps = static_cast<int>(std::lround((orbit.end - orbit.start) / orbit.step));
    for (int k = 0; k <= steps; ++k) {
        float f = static_cast<float>(k) / static_cast<float>(steps);
        float r = Lerp(orbit.radius, f), a = Lerp(orbit.degrees, f) / kDegrees;
        Vector eye(orbit.centre.x + r * std::sin(a), Lerp(orbit.height, f),
                   orbit.centre.z - r * std::cos(a));
        waypoints.push_back({orbit.start + (orbit.end - orbit.start) * f, eye, orbit.target});
    }
}

void HoldUntil(std::vector<Waypoint>& waypoints, float time) {
    Waypoint last = waypoints.back();
    last.time = time;
    waypoints.push_back(last);
}

production::CameraKey LookingAt(const Vector& eye, const Vector& target, float previousHeading) {
    Vector forward = target - eye;
    forward.Normalize();
    production::CameraKey key;
    key.x = eye.x;
    key.y = eye.y;
    key.z = eye.z;
    // forward = (-sin h cos p, -sin p, cos h cos p)
    float heading = std::atan2(-forward.x, forward.z) * kDegrees;
    key.heading = heading + 360.0f * std::round((previousHeading - heading) / 360.0f);
    key.pitch = std::asin(-forward.y) * kDegrees;
    return key;
}

std::vector<production::CameraKey> FlyThrough(const std::vector<Waypoint>& waypoints, int seconds) {
    std::vector<production::CameraKey> keys;
    float heading = 0.0f;
    for (int second = 0; second <= seconds; ++second) {
        Waypoint pose = At(waypoints, static_cast<float>(second));
        keys.push_back(LookingAt(pose.eye, pose.target, heading));
        heading = keys.back().heading;
    }
    return keys;
}

}  // namespace tools::data
