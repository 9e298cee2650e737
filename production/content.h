// The content contract: the names and positions that the engine, the content builder
// and the tests must agree on — the scene files, the objects the schedule and the
// frame composition look up, the torch positions and the water plane.
#pragma once

#include <array>

#include "scene/vector.h"

namespace production::content {

// Base paths of the scene file families (".m3m" and ".m3f" follow).
constexpr const char* kSeerScene = "Data\\Seer\\Seer";
constexpr const char* kLumoScene = "Data\\Lumo\\lumo";
constexpr const char* kRingScene = "Data\\Ring3\\ring3";
constexpr const char* kHallScene = "Data\\Hall\\Hall";
constexpr const char* kWoodScene = "Data\\Wood\\Wood";
constexpr const char* kKeyRoomScene = "Data\\KeyRoom\\KeyRoom";

// The eight objects of the ring scene, hidden at the start and shown with the rings.
constexpr std::array<const char*, 8> kRingObjects = {"Ring_gold", "Ring_RedWords", "OpenGLlogo",
                                                     "HAIR01",    "HEAD01",        "RBROW01",
                                                     "Line02",    "GeoSphere01"};
// The two logo words, shown at the end.
constexpr std::array<const char*, 2> kLogoObjects = {"Lumo", "DevHub"};
// The ring whose mesh the large fire burns on.
constexpr const char* kFireEmitter = "OpenGLlogo";
// The key room's water: the mirror surface and the film drawn over the reflection.
constexpr const char* kWaterSurface = "waterq";
constexpr const char* kWaterFilm = "water_uped";

// The height of the key room's water, the plane the room is mirrored in.
constexpr float kWaterLevel = 14.74825f;

// Where the production lights its ten torch fires.
inline const std::array<scene::Vector, 10> kTorches = {{{212, 59, -367},
                                                        {420, 59, -4},
                                                        {-420, 59, -6},
                                                        {-211, 59, 358},
                                                        {209, 59, 359},
                                                        {47, 67, 416},
                                                        {-209, 59, -369},
                                                        {-44, 67, 416},
                                                        {-139, 67, -1364},
                                                        {134, 67, -1364}}};

}  // namespace production::content
