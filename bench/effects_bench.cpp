// Per-frame cost of the effects on an offscreen context: the production's fires (update and
// drawing) and the stencil shadow pass of a 20 000-face scene, as fractions of a 60 fps frame.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "effects/particle_system.h"
#include "effects/shadows.h"
#include "platform/clock.h"
#include "render/display.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/mesh_drawing.h"
#include "scene/scene.h"
#include "scene/scene_drawing.h"

namespace {

using scene::Vector;

constexpr int kFrames = 300;
constexpr double kFrameMs = 1000.0 / 60.0;
// The particle clock's step per frame at 60 fps.
constexpr int64_t kStepMs = 16;

// Milliseconds per frame of `frame`, run kFrames times, with the drawing finished each time.
double MsPerFrame(const std::function<void()>& frame) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kFrames; ++i) {
        frame();
        glFinish();
    }
    std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / kFrames;
}

void Report(const char* what, double ms) {
    std::printf("%s: %.3f ms per frame, %.1f %% of a 60 fps frame\n", what, ms,
                100.0 * ms / kFrameMs);
    // Sanitizer builds end without flushing; the figures must get out first.
    std::fflush(stdout);
}

// A wavy open grid of `side` × `side` quads: hills whose flanks give long silhouettes.
scene::Mesh WavyGrid(int side, float spacing) {
    scene::Mesh mesh;
    for (int z = 0; z <= side; ++z) {
        for (int x = 0; x <= side; ++x) {
            scene::Vertex vertex;
            float height = 6.0f * std::sin(x * 0.4f) * std::cos(z * 0.4f);
            vertex.position = Vector((x - side / 2) * spacing, height, (z - side / 2) * spacing);
            mesh.vertices.push_back(vertex);
        }
    }
    auto corner = [side](int x, int z) { return z * (side + 1) + x; };
    for (int z = 0; z < side; ++z) {
        for (int x = 0; x < side; ++x) {
            int quad[4] = {corner(x, z), corner(x + 1, z), corner(x + 1, z + 1), corner(x, z + 1)};
            for (const auto& corners : {std::array<int, 3>{quad[0], quad[1], quad[2]},
                                        std::array<int, 3>{quad[0], quad[2], quad[3]}}) {
                scene::Face face;
                std::copy(corners.begin(), corners.end(), face.index);
                const Vector& a = mesh.vertices[size_t(corners[0])].position;
                face.normal = (mesh.vertices[size_t(corners[2])].position - a)
                                  .Cross(mesh.vertices[size_t(corners[1])].position - a);
                face.normal.Normalize();
                mesh.faces.push_back(face);
            }
        }
    }
    scene::LinkNeighbours(mesh);
    scene::BuildDisplayList(mesh);
    return mesh;
}

// A 64 × 64 fire sprite with alpha, as the fire material's image is.
int32_t FireMaterial() {
    scene::drawing.MaterialTable.emplace_back();
    render::Texture& texture = scene::drawing.MaterialTable.back().diffuseMap;
    texture.SetWidth(64);
    texture.SetHeight(64);
    for (size_t i = 0; i < texture.pixels.size(); ++i) {
        texture.pixels[i] = static_cast<uint8_t>(i * 7);
    }
    texture.depth = 32;
    texture.Upload();
    return static_cast<int32_t>(scene::drawing.MaterialTable.size()) - 1;
}

void View(const Vector& eye, const Vector& target) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 640.0 / 480.0, 1.0, 30000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, target.x, target.y, target.z, 0, 1, 0);
}

double FireCost(platform::VirtualClock& clock) {
    int32_t material = FireMaterial();
    std::vector<effects::ParticleSystem> fires(11);
    for (size_t i = 0; i < 10; ++i) {
        fires[i].SetupParticleSystem(Vector(float(i) * 40 - 180, 0, -300), material, "pfire", 30);
    }
    fires[10].SetupParticleSystem(Vector(0, -10, -10), material, "pfire", 1000);
    scene::Mesh emitter = WavyGrid(10, 4.0f);
    fires[10].emitterMesh = &emitter;
    Vector eye(0, 40, 150);
    View(eye, Vector(0, 0, -100));
    glEnable(GL_TEXTURE_2D);
    return MsPerFrame([&]() {
        clock.AdvanceMilliseconds(kStepMs);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        for (effects::ParticleSystem& fire : fires) {
            if (fire.emitterMesh) {
                fire.UpdateFromMesh();
            } else {
                fire.Update();
            }
            fire.DrawParticles(eye);
        }
    });
}

// The whole pass, then the pass with every volume face culled: the silhouette search and
// vertex work without the stencil fill.
void ShadowCost() {
    scene::Scene lit;
    // 100 × 100 quads: 20 000 faces.
    lit.meshes.push_back(WavyGrid(100, 4.0f));
    lit.objects.emplace_back();
    lit.objects.back().meshIndex = 0;
    scene::Light light;
    light.SetPosition(Vector(-300, 80, 0, 1));
    lit.lights.push_back(light);
    View(Vector(0, 150, 300), Vector(0, 0, 0));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    // The scene drawing marks the faces towards the light; the volumes use those marks.
    scene::DrawScene(lit);
    Report("stencil shadows (20 000 faces)", MsPerFrame([&]() { effects::DrawShadows(lit); }));
    glCullFace(GL_FRONT_AND_BACK);
    Report("  of which silhouettes and vertices (volumes culled)",
           MsPerFrame([&]() { effects::DrawShadows(lit); }));
    glCullFace(GL_BACK);
}

}  // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (!render::CreateGLWindow("effects bench", 640, 480, 32, false)) {
        std::fprintf(stderr, "no OpenGL context\n");
        return 1;
    }
    platform::VirtualClock clock;
    platform::UseClock(&clock);
    Report("fires (10 x 30 + 1 x 1000 particles, update and draw)", FireCost(clock));
    ShadowCost();
    platform::UseClock(nullptr);
    scene::drawing.MaterialTable.clear();
    render::KillWindow();
    return 0;
}
