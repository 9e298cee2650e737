// The named particle types: their numbers and modifiers.
#include <memory>

#include "console/log.h"
#include "effects/particle_modifiers.h"
#include "effects/particle_system.h"
#include "scene/drawing.h"
#include "scene/material.h"

namespace effects {
namespace {

using scene::Vector;

struct ParticleType {
    const char* name;
    // Otherwise one particle.
    bool countFromCaller;
    Vector sizeBase;
    Vector colorBase;
    Vector velocityBase;
    Vector velocitySpread;
    int32_t life;
    int32_t lifeRandom;
    // Gravity, then a colour fade.
    bool gravityAndFade;
    Vector gravity;
    Vector riseRate;
    Vector fallRate;
    // The last kFlipBookFrames materials as a flip-book, one material per particle.
    bool flipBook;
};

constexpr int32_t kFlipBookFrames = 17;
constexpr int32_t kFlipBookFrameTime = 58;

const Vector kZero(0, 0, 0);

// Searched in this order. Columns: name, count from the caller, size, colour, velocity,
// velocity spread, life, life random, gravity and fade, gravity, rise rate, fall rate,
// flip-book.
// clang-format off
const ParticleType kTypes[] = {
    {"glow", false, {25, 25, 25}, {1, 1, 1}, kZero, kZero, 0, 0, false, kZero, kZero, kZero, false},
    {"flare", false, {15, 15, 15}, {0.7f, 0.7f, 0.7f}, kZero, kZero, 0, 0, false, kZero, kZero, kZero, false},
    {"fglow", false, {25, 25, 25}, {1, 1, 0.5f}, kZero, kZero, 0, 0, false, kZero, kZero, kZero, false},
    {"pfire", true, {5, 5, 5}, {1, 1, 0.5f}, {0, -0.2f, 0}, {0.3f, 0.1f, 0.3f}, 500, 400, true, {0, 0.61f, 0}, {-1.0f, -1.3f, -1.3f}, kZero, false},
    {"pfountain", true, {5, 5, 5}, {0.3f, 0.3f, 0.3f}, {0, 1, 0}, {0.4f, 0.2f, 0.4f}, 1000, 100, true, {0, -2.5f, 0}, {0.9f, 0.9f, 0.9f}, {3.8f, 3.8f, 3.9f}, false},
    {"blast", false, {150, 150, 150}, {1, 1, 1}, kZero, kZero, 1000, 0, false, kZero, kZero, kZero, true},
};
// clang-format on

const ParticleType* FindType(const std::string& name) {
    for (const ParticleType& type : kTypes) {
        if (name == type.name) {
            return &type;
        }
    }
    return nullptr;
}

// The materials loaded last, in load order; null when there are too few of them.
std::shared_ptr<ParticleModifier> MakeFlipBook() {
    int32_t loaded = static_cast<int32_t>(scene::drawing.MaterialTable.size());
    if (loaded < kFlipBookFrames) {
        console::Print("Particle type blast needs " + console::IntToString(kFlipBookFrames) +
                       " materials, only " + console::IntToString(loaded) +
                       " are loaded; the system stays empty");
        return nullptr;
    }
    std::vector<int32_t> frames;
    for (int32_t i = 0; i < kFlipBookFrames; ++i) {
        frames.push_back(loaded - kFlipBookFrames + i);
    }
    return std::make_shared<ParticleChangeTexture>(std::move(frames), kFlipBookFrameTime);
}

}  // namespace

bool ParticleSystem::SetupParticleSystem(const Vector& position, int32_t material,
                                         const std::string& type, int32_t count) {
    const ParticleType* found = FindType(type);
    if (!found) {
        console::Print("Unknown particle type \"" + type + "\"; the system stays empty");
        return false;
    }
    std::shared_ptr<ParticleModifier> flipBook;
    if (found->flipBook && !(flipBook = MakeFlipBook())) {
        return false;
    }
    if (!Init(found->sizeBase, kZero, found->colorBase, kZero, found->velocityBase,
              found->velocitySpread, found->life, found->lifeRandom, position, material,
              found->countFromCaller ? count : 1)) {
        return false;
    }
    if (found->gravityAndFade) {
        AddModifier(std::make_shared<PGravity>(found->gravity));
        AddModifier(std::make_shared<ParticleColorFade>(found->riseRate, found->fallRate));
    }
    if (flipBook) {
        AddModifier(flipBook);
        perParticleMaterial = true;
    }
    return true;
}

}  // namespace effects
