// The show's scenes, each built in world coordinates and written under its loader's path.
#pragma once

#include <vector>

#include "tools/data/content_folder.h"
#include "tools/data/geometry/scene_writer.h"

namespace tools::data {

SceneDraft SeerScene();     // the landscape with the stone circle and the ten torches
SceneDraft LumoScene();     // the two logo words
SceneDraft RingScene();     // the sculpture of rings around a head, and the fire ring
SceneDraft HallScene();     // the columned hall
SceneDraft WoodScene();     // the forest
SceneDraft KeyRoomScene();  // the flooded room with the key

// In the order the production loads them.
std::vector<SceneDraft> AllScenes();
void WriteScenes(ContentFolder& folder);

// Ground heights of the landscape and of the wood at (x, z).
float SeerGround(float x, float z);
float WoodGround(float x, float z);

}  // namespace tools::data
