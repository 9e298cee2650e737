// The show's scenes, each built in world coordinates and written under its loader's path.
#pragma once

#include <vector>

#include "tools/data/content_folder.h"
#include "tools/data/scene_writer.h"

namespace tools::data {

SceneSpec SeerScene();     // the landscape with the stone circle and the ten torches
SceneSpec LumoScene();     // the two logo words
SceneSpec RingScene();     // the sculpture of rings around a head, and the fire ring
SceneSpec HallScene();     // the columned hall
SceneSpec WoodScene();     // the forest
SceneSpec KeyRoomScene();  // the flooded room with the key

// In the order the production loads them.
std::vector<SceneSpec> AllScenes();
void WriteScenes(ContentFolder& folder);

// Ground heights of the landscape and of the wood at (x, z).
float SeerGround(float x, float z);
float WoodGround(float x, float z);

}  // namespace tools::data
