// Particle systems: fixed pools of camera-facing quads born at an emitter point or on a
// mesh, moved by their velocity and by modifiers, and reborn when their life runs out.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/vector.h"

namespace scene {
class Mesh;
struct Face;
}  // namespace scene

namespace effects {

class ParticleModifier;

struct Particle {
    scene::Vector position;
    // World units per 10 ms.
    scene::Vector velocity;
    // Only r, g, b are drawn.
    scene::Vector color;
    // x is the quad's horizontal radius, y its vertical one.
    scene::Vector size;
    // Colour phase of the colour fade; true at every birth.
    bool rising = true;
    // Particle clock (ms) at the last birth.
    float spawnTime = 0.0f;
    // Particle clock value after which the particle is reborn.
    float deathTime = 0.0f;
    // Material drawn with when the system draws per particle.
    int32_t material = 0;
};

constexpr int32_t kMaxModifiers = 256;

class ParticleSystem {
public:
    // Grows the pool by `count` particles and (re)initialises all of them, their deaths
    // staggered over `life`. Refuses a count below 1. Clears the modifiers. Seeds the
    // random source from the time first, so each run's fires differ.
    bool Init(const scene::Vector& sizeBase, const scene::Vector& sizeRandom,
              const scene::Vector& colorBase, const scene::Vector& colorRandom,
              const scene::Vector& velocityBase, const scene::Vector& velocitySpread, int32_t life,
              int32_t lifeRandom, const scene::Vector& emitterPosition, int32_t material,
              int32_t count);
    // One step of a point emitter: rebirths at `emitterPosition`, motion, modifiers.
    void Update();
    // One step of a mesh emitter: rebirths on the surface of `emitterMesh`.
    void UpdateFromMesh();
    // Every particle as a quad facing the eye, the farthest first.
    void DrawParticles(const scene::Vector& eye);
    // The source's parameters and pool size, sharing its modifier objects.
    bool CopyFrom(const ParticleSystem& source);
    // A named type ("glow", "flare", "fglow", "pfire", "pfountain", "blast") at
    // `position`, drawn with `material`; `count` matters to "pfire" and "pfountain".
    bool SetupParticleSystem(const scene::Vector& position, int32_t material,
                             const std::string& type, int32_t count);
    // Appends to `modifiers`; false when all slots are used.
    bool AddModifier(std::shared_ptr<ParticleModifier> modifier);

    // Particles are born on this mesh's surface when set.
    const scene::Mesh* emitterMesh = nullptr;
    std::vector<Particle> particles;
    scene::Vector sizeBase{0, 0, 0, 1};
    scene::Vector sizeRandom{0, 0, 0, 1};
    scene::Vector colorBase{0, 0, 0, 1};
    scene::Vector colorRandom{0, 0, 0, 1};
    scene::Vector velocityBase{0, 0, 0, 1};
    scene::Vector velocitySpread{0, 0, 0, 1};
    scene::Vector emitterPosition{0, 0, 0, 1};
    // Milliseconds.
    int32_t life = 0;
    int32_t lifeRandom = 0;
    // Particle clock at the last update and the milliseconds since the one before.
    int32_t lastTick = 0;
    int32_t elapsed = 0;
    // An inactive system is neither updated nor drawn.
    bool active = true;
    // Index into the material table.
    int32_t material = 0;
    // Shared with the systems copied from this one; applied in index order.
    std::array<std::shared_ptr<ParticleModifier>, kMaxModifiers> modifiers;
    int32_t modifierCount = 0;
    // The next point-emitter update staggers the rebirths.
    bool firstPass = true;
    bool perParticleMaterial = false;

private:
    // Reads the particle clock into `lastTick` and `elapsed`.
    uint32_t AdvanceClock();
    // New spawn and death times; `lifeOffset` is added to the clock before the random part.
    void Respawn(Particle& particle, uint32_t now, int64_t lifeOffset) const;
    // Velocity, size and colour of a new particle.
    void Birth(Particle& particle) const;
    // Moves every particle by `elapsed` and applies the modifiers.
    void Advance();
    // A random face of the emitter mesh, or null (logged once) when the mesh is missing,
    // has no faces or the face names a vertex it does not have.
    const scene::Face* PickEmitterFace();
    // A random point in the face's triangle mirrored through its first corner.
    scene::Vector EmitterFacePoint(const scene::Face& face) const;
    void ReportEmitterMesh(const std::string& problem);

    bool emitterMeshReported = false;
};

}  // namespace effects
