// Loading the production: the show's scenes, fires and flares, particle materials,
// camera path and audio, built once by LoadProduction.
#pragma once

#include <array>

#include "effects/particle_system.h"
#include "production/show.h"

namespace production {

void LoadProduction();

// A scene file of the show and the scene it is loaded into.
struct SceneFile {
    ShowScene& scene;
    const char* basePath;
    float scale;
    scene::Vector offset;
};
// The show's scene files in loading order; a scene may take several.
std::array<SceneFile, 6> ShowSceneFiles();
// Points the large fire at the mesh it is born on, after the main scene is loaded.
void FindFireEmitter();

// The large fire of the main scene, or null before loading.
effects::ParticleSystem* FireSystem();

}  // namespace production
