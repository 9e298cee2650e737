// Where the show's scenes put things, in world coordinates: shared by the scene builders,
// the camera path and their tests. Each part draws only its own scene, so every scene is
// built around the origin and the camera cuts between them without a long flight.
#pragma once

#include <array>
#include <vector>

#include "production/content.h"
#include "scene/vector.h"

namespace tools::data::layout {

using scene::Vector;

// The positions where the production lights its ten torch fires.
inline const std::array<Vector, 10>& kFires = production::content::kTorches;

// Floor of the stone circle, the hall and the wood.
constexpr float kGround = -40.0f;
// Top of the stone platforms that carry the higher torches.
constexpr float kPlatformTop = -32.0f;

// The sculpture of rings around a head, over the altar in the middle of the circle.
inline const Vector kSculpture{0, 55, -10};
// The ring the large fire burns on.
inline const Vector kFireRing{0, -10, -10};
constexpr float kAltarTop = -15.0f;
// Between the two logo words, which face -z.
inline const Vector kLogos{0, 45, 0};

// The hall's long axis runs along x, towards the light that leads the camera.
constexpr float kHallMinX = -500.0f;
constexpr float kHallMaxX = 1800.0f;
constexpr float kHallMidZ = -205.0f;  // where the logos' viewer stands when the hall cuts in
constexpr float kHallHalfWidth = 330.0f;
constexpr float kHallHeight = 300.0f;
constexpr float kHallColumnRow = 190.0f;  // columns stand this far to either side

constexpr float kWoodHalfSize = 1400.0f;
// The way the camera walks through the wood, in the ground plane; no tree stands on it.
inline const std::vector<Vector> kWoodWalk = {{1000, 0, 0}, {700, 0, -150}, {350, 0, 120},
                                              {0, 0, -60},  {-350, 0, 160}, {-700, 0, 20}};

constexpr float kWaterLevel = production::content::kWaterLevel;
constexpr float kKeyRoomHalfSize = 520.0f;
constexpr float kKeyRoomHeight = 260.0f;
// The key lies on a table under the light that circles the origin.
inline const Vector kKey{0, 27, 0};

}  // namespace tools::data::layout
