// Drawing a particle system: eye-facing quads, sorted far to near, blended by texture depth.
#include "render/gl.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "effects/particle_system.h"
#include "render/display.h"
#include "scene/material.h"
#include "scene/matrix.h"
#include "scene/mesh_drawing.h"

namespace effects {
namespace {

using scene::Vector;

struct Corner {
    float cosine;
    float sine;
    float s;
    float t;
};

// Angles 225°, -45°, 45° and 135°: counter-clockwise from the lower left.
constexpr float kHalfSqrt2 = 0.70710678f;
constexpr Corner kCorners[4] = {
    {-kHalfSqrt2, -kHalfSqrt2, 1, 0},
    {kHalfSqrt2, -kHalfSqrt2, 0, 0},
    {kHalfSqrt2, kHalfSqrt2, 0, 1},
    {-kHalfSqrt2, kHalfSqrt2, 1, 1},
};

double Distance(const Vector& a, const Vector& b) {
    double x = static_cast<double>(a.x) - b.x;
    double y = static_cast<double>(a.y) - b.y;
    double z = static_cast<double>(a.z) - b.z;
    return std::sqrt(x * x + y * y + z * z);
}

// Particle indices, the farthest from the eye first, so nearer quads blend over them.
std::vector<size_t> FarToNear(const std::vector<Particle>& particles, const Vector& eye) {
    std::vector<std::pair<double, size_t>> order;
    order.reserve(particles.size());
    for (size_t i = 0; i < particles.size(); ++i) {
        order.emplace_back(Distance(particles[i].position, eye), i);
    }
    std::sort(order.begin(), order.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<size_t> indices;
    indices.reserve(order.size());
    for (const auto& entry : order) {
        indices.push_back(entry.second);
    }
    return indices;
}

// Textures without alpha (24-bit) glow by adding; the others blend by their alpha.
void BeginParticleState(scene::Material& material) {
    glPushMatrix();
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    if (material.diffuseMap.depth == 24) {
        glBlendFunc(GL_ONE, GL_ONE);
    } else {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }
    scene::ApplyMaterial(material);
}

void DrawQuad(const Particle& particle, const Vector& centre) {
    glBegin(GL_QUADS);
    glColor3f(particle.color.x, particle.color.y, particle.color.z);
    for (const Corner& corner : kCorners) {
        glTexCoord2f(corner.s, corner.t);
        glVertex3f(centre.x + corner.cosine * particle.size.x,
                   centre.y + corner.sine * particle.size.y, centre.z);
    }
    glEnd();
    render::display.frameStats.trianglesThisFrame += 1;
}

}  // namespace

void ParticleSystem::DrawParticles(const Vector& eye) {
    if (!active) {
        return;
    }
    std::vector<size_t> order = FarToNear(particles, eye);
    BeginParticleState(scene::MaterialAt(material));
    // The quads are built in eye space, where facing the eye means lying in a z plane.
    scene::Matrix view;
    glGetFloatv(GL_MODELVIEW_MATRIX, view.m);
    glLoadIdentity();
    for (size_t index : order) {
        const Particle& particle = particles[index];
        if (perParticleMaterial) {
            scene::ApplyMaterial(scene::MaterialAt(particle.material));
        }
        DrawQuad(particle, scene::TransformPoint(view, particle.position));
    }
    glPopMatrix();
    glDepthMask(GL_TRUE);
}

}  // namespace effects
