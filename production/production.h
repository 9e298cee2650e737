// The production's world: the five scenes, the fire and flare particle systems, the two
// particle materials and the audio handles, built once by LoadProduction.
#pragma once

#include <array>
#include <cstdint>

#include "effects/particle_system.h"
#include "scene/camera.h"
#include "scene/scene.h"

namespace production {

extern scene::Scene mainScene;
extern scene::Scene hallScene;
extern scene::Scene woodScene;
extern scene::Scene keyRoomScene;
// Holds one light and no objects; drawn in the first part.
extern scene::Scene lightScene;
// The one camera every scene looks through.
extern scene::Camera camera;
// One glow sprite per torch fire.
extern std::array<effects::ParticleSystem, 10> glowFlares;
extern int fireSystemIndex;
extern int glowMaterial;
extern int fireMaterial;
extern uint32_t voiceStream;
extern uint32_t musicModule;

void LoadProduction();

// The large fire of the main scene, or null before loading.
effects::ParticleSystem* FireSystem();

}  // namespace production
