// The planned flight: the avenue and the stone circle, the sculpture and the logos, the
// hall towards its light, a walk through the wood, circles round the key, and a long last
// flight over the landscape. The parts that fade through black hide the moves between.
#include "tools/data/scenes/camera_path.h"

#include <cmath>

#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/scenes.h"

namespace tools::data {
namespace {

using namespace layout;

// Eye height over the wood's floor.
constexpr float kWalkHeight = 65.0f;

const Vector& Sculpture() {
    return kSculpture;
}

void AddNightApproach(std::vector<Waypoint>& w) {
    // In part 0: down the avenue in the dark, the circle ahead.
    w.push_back({0, {0, 75, -1780}, {0, 40, -700}});
    w.push_back({6, {0, 62, -1250}, {0, 40, 0}});
    w.push_back({11, {0, 58, -780}, {0, 40, 0}});
    // In part 1: into the circle as the fires light, and once round the sculpture.
    w.push_back({15, {0, 62, -420}, Sculpture()});
    AddOrbit(w, {18, 36, Sculpture(), {270, 295}, {75, 48}, {0, 360}, Sculpture()});
    // In part 2: the logos, faced from the avenue's side; the last place is the hall's middle.
    w.push_back({40, {0, 50, -310}, kLogos});
    w.push_back({47, {-25, 48, -255}, kLogos});
    w.push_back({53, {20, 45, kHallMidZ}, kLogos});
    w.push_back({54, {30, 45, kHallMidZ}, kLogos});
}

Vector InHall(float x, float y, float across) {
    return Vector(x, y, kHallMidZ + across);
}

void AddHall(std::vector<Waypoint>& w) {
    // In parts 3 and 4: turn to look down the hall towards the light that leads the camera,
    // keeping to its middle line, so that no column stands between the eye and the light.
    w.push_back({57, InHall(110, 42, 0), InHall(700, 55, 0)});
    w.push_back({62, InHall(260, 40, 10), InHall(900, 55, 0)});
    w.push_back({67, InHall(450, 40, 25), InHall(900, 40, 300)});
    w.push_back({72, InHall(660, 40, -10), InHall(900, 40, -320)});
    w.push_back({78, InHall(870, 40, 0), InHall(1700, 60, 0)});
    w.push_back({85, InHall(1120, 40, 0), InHall(1800, 60, 0)});
    HoldUntil(w, 86);
}

// The point `distance` along the wood's walk, past its end along its last leg.
Vector AlongWalk(float distance) {
    const std::vector<Vector>& walk = kWoodWalk;
    for (size_t i = 0; i + 1 < walk.size(); ++i) {
        Vector leg = walk[i + 1] - walk[i];
        float length = leg.Length();
        if (distance <= length || i + 2 == walk.size()) {
            return walk[i] + leg * (distance / length);
        }
        distance -= length;
    }
    return walk.back();
}

float WalkLength() {
    float length = 0;
    for (size_t i = 0; i + 1 < kWoodWalk.size(); ++i) {
        length += (kWoodWalk[i + 1] - kWoodWalk[i]).Length();
    }
    return length;
}

Vector OverWood(const Vector& p, float height) {
    return Vector(p.x, WoodGround(p.x, p.z) + height, p.z);
}

void AddWood(std::vector<Waypoint>& w) {
    // In parts 5 to 7: in the dark, turn round by the right, then walk through the wood at an
    // even pace, looking ahead along the walk.
    w.push_back({87, InHall(1080, 40, 60), InHall(1300, 40, 500)});
    w.push_back(
        {88, OverWood(kWoodWalk.front(), kWalkHeight), OverWood({740, 0, 300}, kWalkHeight)});
    constexpr float kStart = 89, kEnd = 119, kStep = 2;
    float length = WalkLength();
    for (float t = kStart; t <= kEnd; t += kStep) {
        float distance = length * (t - kStart) / (kEnd - kStart);
        w.push_back({t, OverWood(AlongWalk(distance), kWalkHeight),
                     OverWood(AlongWalk(distance + 300), kWalkHeight + 25)});
    }
    HoldUntil(w, 121);
}

void AddKeyRoom(std::vector<Waypoint>& w) {
    // In parts 8 to 10: circles round the key, high enough to stay above the shadows that the
    // key and the table throw down and outwards from the low light.
    // The first circle starts where the wood's walk looked (-x) and the last ends looking
    // the way the final flight begins.
    const Vector key = kKey;
    AddOrbit(w, {124, 148, key, {340, 210}, {175, 115}, {450, 630}, key});
    AddOrbit(w, {150, 171, key, {215, 320}, {115, 165}, {645, 750}, key});
    HoldUntil(w, 172);
}

void AddLastFlight(std::vector<Waypoint>& w) {
    // In part 12: from high over the southern hills down round the sculpture, out along the
    // avenue and back.
    w.push_back({177, {900, 560, -1500}, {0, 0, 0}});
    w.push_back({186, {650, 360, -950}, Sculpture()});
    AddOrbit(w, {194, 244, Sculpture(), {620, 240}, {280, 65}, {35, 395}, Sculpture()});
    w.push_back({252, {60, 80, -560}, {0, 60, -1300}});
    w.push_back({262, {0, 85, -1100}, {0, 70, -1500}});
    w.push_back({268, {0, 95, -1420}, {0, 90, -1700}});
    // Turning back by the west, so that the view sweeps round rather than flipping.
    w.push_back({271, {-40, 120, -1540}, {-500, 100, -1540}});
    w.push_back({274, {-120, 160, -1600}, {0, 60, -600}});
    w.push_back({286, {0, 150, -1000}, Sculpture()});
    w.push_back({299, {0, 95, -480}, kLogos});
    // In part 13: the logos again, to the end.
    w.push_back({312, {30, 70, -360}, kLogos});
    w.push_back({324, {-20, 55, -270}, kLogos});
    w.push_back({336, {0, 50, -230}, kLogos});
    w.push_back({kCameraPathSeconds, {0, 50, -225}, kLogos});
}

}  // namespace

std::vector<Waypoint> ShowFlight() {
    std::vector<Waypoint> w;
    AddNightApproach(w);
    AddHall(w);
    AddWood(w);
    AddKeyRoom(w);
    AddLastFlight(w);
    return w;
}

std::vector<production::CameraKey> ShowCameraPath() {
    return FlyThrough(ShowFlight(), kCameraPathSeconds);
}

std::vector<uint8_t> EncodeCameraPath(const std::vector<production::CameraKey>& keys) {
    std::vector<uint8_t> bytes(keys.size() * production::kCameraRecordSize);
    for (size_t i = 0; i < keys.size(); ++i) {
        production::EncodeCameraKey(keys[i], bytes.data() + i * production::kCameraRecordSize);
    }
    return bytes;
}

void WriteCameraPath(ContentFolder& folder) {
    folder.Write("Campath1.vcp", EncodeCameraPath(ShowCameraPath()));
}

}  // namespace tools::data
