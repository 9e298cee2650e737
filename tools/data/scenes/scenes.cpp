// The list of the show's scenes and the generator that writes them.
#include "tools/data/scenes/scenes.h"

namespace tools::data {

std::vector<SceneDraft> AllScenes() {
    std::vector<SceneDraft> scenes;
    for (SceneDraft (*build)() :
         {SeerScene, LumoScene, RingScene, HallScene, WoodScene, KeyRoomScene}) {
        scenes.push_back(build());
    }
    return scenes;
}

void WriteScenes(ContentFolder& folder) {
    for (const SceneDraft& scene : AllScenes()) {
        WriteScene(folder, scene);
    }
}

}  // namespace tools::data
