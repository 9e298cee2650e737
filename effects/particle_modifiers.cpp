// The gravity, colour-fade and flip-book modifiers.
#include "effects/particle_modifiers.h"

#include <algorithm>

#include "console/log.h"
#include "effects/particle_system.h"
#include "platform/clock.h"

namespace effects {

PGravity::PGravity(const scene::Vector& gravity) : ParticleModifier("PGravity"), gravity(gravity) {}

void PGravity::Apply(int32_t elapsed, ParticleSystem& system) {
    float step = static_cast<float>(elapsed) * 0.001f;
    for (Particle& particle : system.particles) {
        particle.velocity.x += gravity.x * step;
        particle.velocity.y += gravity.y * step;
        particle.velocity.z += gravity.z * step;
    }
}

ParticleColorFade::ParticleColorFade(const scene::Vector& riseRate, const scene::Vector& fallRate)
    : ParticleModifier("Particle Color Fade"), riseRate(riseRate), fallRate(fallRate) {}

void ParticleColorFade::Apply(int32_t elapsed, ParticleSystem& system) {
    float step = static_cast<float>(elapsed) * 0.001f;
    for (Particle& particle : system.particles) {
        scene::Vector& color = particle.color;
        if (particle.rising) {
            color.x += riseRate.x * step;
            color.y += riseRate.y * step;
            color.z += riseRate.z * step;
            if (color.x > 1.0f) {
                particle.rising = false;
            }
        } else {
            color.x -= fallRate.x * step;
            color.y -= fallRate.y * step;
            color.z -= fallRate.z * step;
        }
    }
}

ParticleChangeTexture::ParticleChangeTexture(std::vector<int32_t> frames, int32_t frameTime)
    : ParticleModifier("Particle Change Texture"), frames(std::move(frames)), frameTime(frameTime) {
    if (this->frames.empty() || frameTime < 1) {
        console::Print(
            "Particle Change Texture needs at least one frame and a frame time of "
            "1 ms or more; it changes nothing");
    }
}

void ParticleChangeTexture::Apply(int32_t, ParticleSystem& system) {
    if (frames.empty() || frameTime < 1) {
        return;
    }
    float now = static_cast<float>(platform::GetTickCount());
    int64_t frameCount = static_cast<int64_t>(frames.size());
    for (Particle& particle : system.particles) {
        // A particle born "after" now (the clock wrapped) counts as just born.
        int64_t age = std::max<int64_t>(0, static_cast<int64_t>(now - particle.spawnTime));
        particle.material = frames[static_cast<size_t>(age / frameTime % frameCount)];
    }
}

}  // namespace effects
