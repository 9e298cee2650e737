// Loading the production: the show's scenes, fires and flares, particle materials,
// camera path and audio, built once by LoadProduction.
#pragma once

#include "effects/particle_system.h"
#include "production/show.h"

namespace production {

void LoadProduction();

// The large fire of the main scene, or null before loading.
effects::ParticleSystem* FireSystem();

}  // namespace production
