// Particle pools: initialisation, rebirth at a point or on a mesh, motion and copying.
#include "effects/particle_system.h"

#include "console/log.h"
#include "effects/particle_modifiers.h"
#include "effects/random01.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/mesh.h"

namespace effects {
namespace {

using scene::Vector;

// Velocity per axis around the base, without the speed factor of a rebirth.
Vector SpreadVelocity(const Vector& base, const Vector& spread) {
    float x = base.x + (Random01() - 0.5f) * spread.x;
    float y = base.y + (Random01() - 0.5f) * spread.y;
    float z = base.z + (Random01() - 0.5f) * spread.z;
    return Vector(x, y, z);
}

Vector RandomAround(const Vector& base, const Vector& random) {
    return base + random * Random01();
}

void ReportMaterial(int32_t material) {
    if (material < 0 || static_cast<size_t>(material) >= scene::drawing.MaterialTable.size()) {
        console::Print("Particle material " + console::IntToString(material) +
                       " is not in the material table; the default material is drawn");
    }
}

bool CornersExist(const scene::Mesh& mesh, const scene::Face& face) {
    for (int32_t index : face.index) {
        if (index < 0 || static_cast<size_t>(index) >= mesh.vertices.size()) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParticleSystem::Init(const Vector& sizeBase, const Vector& sizeRandom, const Vector& colorBase,
                          const Vector& colorRandom, const Vector& velocityBase,
                          const Vector& velocitySpread, int32_t life, int32_t lifeRandom,
                          const Vector& emitterPosition, int32_t material, int32_t count) {
    if (count < 1) {
        console::Print("Particle system left empty: a count of " + console::IntToString(count) +
                       " particles is below 1");
        return false;
    }
    ReportMaterial(material);
    platform::SeedRandomFromTime();
    this->sizeBase = sizeBase;
    this->sizeRandom = sizeRandom;
    this->colorBase = colorBase;
    this->colorRandom = colorRandom;
    this->velocityBase = velocityBase;
    this->velocitySpread = velocitySpread;
    this->life = life;
    this->lifeRandom = lifeRandom;
    this->emitterPosition = emitterPosition;
    this->material = material;
    modifiers.fill(nullptr);
    modifierCount = 0;
    lastTick = static_cast<int32_t>(platform::GetTickCount());
    elapsed = 0;

    particles.resize(particles.size() + static_cast<size_t>(count));
    for (size_t i = 0; i < particles.size(); ++i) {
        Particle& particle = particles[i];
        Respawn(particle, static_cast<uint32_t>(lastTick), int64_t{life} * int64_t(i) / count);
        particle.position = emitterPosition;
        particle.velocity = SpreadVelocity(velocityBase, velocitySpread);
        particle.size = RandomAround(sizeBase, sizeRandom);
        particle.color = RandomAround(colorBase, colorRandom);
        particle.rising = true;
        particle.material = material;
    }
    return true;
}

uint32_t ParticleSystem::AdvanceClock() {
    uint32_t now = platform::GetTickCount();
    // Unsigned difference: right across the 32-bit wrap of the tick count too.
    elapsed = static_cast<int32_t>(now - static_cast<uint32_t>(lastTick));
    lastTick = static_cast<int32_t>(now);
    return now;
}

void ParticleSystem::Respawn(Particle& particle, uint32_t now, int64_t lifeOffset) const {
    particle.spawnTime = static_cast<float>(now);
    particle.deathTime =
        static_cast<float>(int64_t{now} + lifeOffset) + Random01() * static_cast<float>(lifeRandom);
}

void ParticleSystem::Birth(Particle& particle) const {
    Vector velocity = SpreadVelocity(velocityBase, velocitySpread);
    float speed = velocityBase.Length() + velocitySpread.Length() * Random01();
    particle.velocity = velocity * speed;
    particle.size = RandomAround(sizeBase, sizeRandom);
    particle.color = RandomAround(colorBase, colorRandom);
    particle.rising = true;
}

void ParticleSystem::Advance() {
    float step = static_cast<float>(elapsed) * 0.1f;
    for (Particle& particle : particles) {
        particle.position.x += particle.velocity.x * step;
        particle.position.y += particle.velocity.y * step;
        particle.position.z += particle.velocity.z * step;
    }
    for (int32_t i = 0; i < modifierCount; ++i) {
        modifiers[static_cast<size_t>(i)]->Apply(elapsed, *this);
    }
}

void ParticleSystem::Update() {
    if (!active) {
        return;
    }
    uint32_t now = AdvanceClock();
    int64_t poolSize = static_cast<int64_t>(particles.size());
    for (size_t i = 0; i < particles.size(); ++i) {
        Particle& particle = particles[i];
        if (!(particle.deathTime < static_cast<float>(now))) {
            continue;
        }
        // The first pass spreads the deaths over one life so the pool does not pulse.
        int64_t offset = firstPass ? int64_t{life} * int64_t(i) / poolSize : life;
        Respawn(particle, now, offset);
        particle.position = emitterPosition;
        Birth(particle);
        particle.material = material;
    }
    Advance();
    firstPass = false;
}

void ParticleSystem::UpdateFromMesh() {
    if (!active) {
        return;
    }
    uint32_t now = AdvanceClock();
    for (Particle& particle : particles) {
        if (!(particle.deathTime < static_cast<float>(now))) {
            continue;
        }
        Respawn(particle, now, life);
        const scene::Face* face = PickEmitterFace();
        Vector point = face ? EmitterFacePoint(*face) : emitterPosition;
        Birth(particle);
        // Pushed back by half its height so the quad does not stand out of the surface.
        particle.position = face ? point - face->normal * (particle.size.y * 0.5f) : point;
        particle.material = material;
    }
    Advance();
}

const scene::Face* ParticleSystem::PickEmitterFace() {
    if (!emitterMesh || emitterMesh->faces.empty()) {
        ReportEmitterMesh("is missing or has no faces");
        return nullptr;
    }
    size_t count = emitterMesh->faces.size();
    size_t index = static_cast<size_t>(Random01() * static_cast<float>(count));
    const scene::Face& face = emitterMesh->faces[index < count ? index : count - 1];
    if (!CornersExist(*emitterMesh, face)) {
        ReportEmitterMesh("has a face with a corner outside its vertices");
        return nullptr;
    }
    return &face;
}

Vector ParticleSystem::EmitterFacePoint(const scene::Face& face) const {
    const auto& vertices = emitterMesh->vertices;
    const Vector& p0 = vertices[static_cast<size_t>(face.index[0])].position;
    const Vector& p1 = vertices[static_cast<size_t>(face.index[1])].position;
    const Vector& p2 = vertices[static_cast<size_t>(face.index[2])].position;
    float r1 = 0.0f;
    float r2 = 0.0f;
    do {
        r1 = Random01();
        r2 = Random01();
    } while (r1 + r2 > 1.0f);
    return p0 + (p0 - p1) * r1 + (p0 - p2) * r2;
}

void ParticleSystem::ReportEmitterMesh(const std::string& problem) {
    if (emitterMeshReported) {
        return;
    }
    emitterMeshReported = true;
    console::Print("Particle emitter mesh " + problem +
                   "; particles start at the emitter position");
}

bool ParticleSystem::CopyFrom(const ParticleSystem& source) {
    // Taken first: Init clears this system's modifiers, and the source may be this system.
    auto sharedModifiers = source.modifiers;
    int32_t sharedCount = source.modifierCount;
    bool sourcePerParticle = source.perParticleMaterial;
    if (!Init(source.sizeBase, source.sizeRandom, source.colorBase, source.colorRandom,
              source.velocityBase, source.velocitySpread, source.life, source.lifeRandom,
              source.emitterPosition, source.material,
              static_cast<int32_t>(source.particles.size()))) {
        return false;
    }
    perParticleMaterial = sourcePerParticle;
    modifierCount = sharedCount;
    modifiers = std::move(sharedModifiers);
    firstPass = true;
    return true;
}

bool ParticleSystem::AddModifier(std::shared_ptr<ParticleModifier> modifier) {
    if (!modifier) {
        console::Print("Particle system: an empty modifier is not added");
        return false;
    }
    if (modifierCount >= kMaxModifiers) {
        console::Print("Particle system already has " + console::IntToString(kMaxModifiers) +
                       " modifiers; " + modifier->name + " is not added");
        return false;
    }
    modifiers[static_cast<size_t>(modifierCount++)] = std::move(modifier);
    return true;
}

}  // namespace effects
