// Particle modifiers: the changes applied to every particle of a system after each update.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "scene/vector.h"

namespace effects {

class ParticleSystem;

class ParticleModifier {
public:
    explicit ParticleModifier(std::string name) : name(std::move(name)) {}
    virtual ~ParticleModifier() = default;
    // `elapsed`: milliseconds since the system's previous update.
    virtual void Apply(int32_t elapsed, ParticleSystem& system) = 0;

    std::string name;
};

// Accelerates every particle by `gravity` units per 10 ms per second.
class PGravity : public ParticleModifier {
public:
    explicit PGravity(const scene::Vector& gravity);
    void Apply(int32_t elapsed, ParticleSystem& system) override;

    scene::Vector gravity;
};

// Two phases: colours change by `riseRate` per second until red passes 1, then fall by
// `fallRate` per second. Nothing is clamped; drawing clamps.
class ParticleColorFade : public ParticleModifier {
public:
    ParticleColorFade(const scene::Vector& riseRate, const scene::Vector& fallRate);
    void Apply(int32_t elapsed, ParticleSystem& system) override;

    scene::Vector riseRate;
    scene::Vector fallRate;
};

// A flip-book: each particle shows frames[age / frameTime mod frame count] as its material.
class ParticleChangeTexture : public ParticleModifier {
public:
    // Without frames or with a frame time below 1 ms it logs why and changes nothing.
    ParticleChangeTexture(std::vector<int32_t> frames, int32_t frameTime);
    void Apply(int32_t elapsed, ParticleSystem& system) override;

    // Material indices.
    std::vector<int32_t> frames;
    int32_t frameTime;
};

}  // namespace effects
