// Frame composition: the scenes, shadows, water reflection, flares and particles each
// part shows, then the overlay and the buffer swap.
#include "production/frame_composition.h"

#include <GL/gl.h>

#include <cmath>

#include "app/main_loop.h"
#include "app/window.h"
#include "effects/shadows.h"
#include "production/production.h"
#include "production/schedule.h"
#include "render/overlay.h"
#include "render/triangle_batches.h"
#include "scene/mesh_drawing.h"
#include "scene/scene_drawing.h"

namespace production {
namespace {

using scene::Vector;

// The height of the key room's water surface, mirrored about by the reflection.
constexpr float kMirrorOffset = 29.4965f;  // twice y = 14.74825
constexpr float kGlowFlareLimit = 60.0f;

Vector Eye() {
    return camera.position;
}

// Sizes the system's first particle in proportion to its distance, so the flare keeps
// its size on screen; `limit` caps it (0 for none).
void SizeFlare(effects::ParticleSystem& system, float limit) {
    if (system.particles.empty()) {
        return;
    }
    effects::Particle& flare = system.particles[0];
    float size = 0.2f * (Eye() - flare.position).Length();
    if (limit > 0.0f && size > limit) {
        size = limit;
    }
    flare.size.x = flare.size.y = flare.size.z = size;
}

// The flare of the scene's light: its last particle system placed on the light.
void DrawLightFlare(scene::Scene& scene) {
    if (scene.particleSystems.empty() || scene.lights.empty()) {
        return;
    }
    effects::ParticleSystem& system = scene.particleSystems.back();
    if (!system.particles.empty()) {
        system.particles[0].position = scene.lights[0].Position();
    }
    SizeFlare(system, 0.0f);
    system.DrawParticles(Eye());
}

void ApplyLight(scene::Scene& scene, size_t index) {
    if (index < scene.lights.size()) {
        scene.lights[index].Apply();
    }
}

void DrawMainScene() {
    ApplyLight(mainScene, 0);
    ApplyLight(mainScene, 1);
    scene::DrawScene(mainScene);
}

void DrawHall() {
    if (!hallScene.lights.empty()) {
        hallScene.lights[0].SetPosition(Eye() + Vector(600, 50, 0));
        hallScene.lights[0].Apply();
    }
    scene::DrawScene(hallScene);
    effects::DrawShadows(hallScene);
    DrawLightFlare(hallScene);
}

void DrawWood() {
    ApplyLight(mainScene, 0);
    scene::DrawScene(woodScene);
}

// The mesh of the key room's object `name`, or null.
scene::Mesh* KeyRoomMesh(const char* name) {
    scene::SceneObject* object = keyRoomScene.FindObject(name);
    if (!object || object->meshIndex < 0 ||
        object->meshIndex >= static_cast<int32_t>(keyRoomScene.meshes.size())) {
        return nullptr;
    }
    return &keyRoomScene.meshes[object->meshIndex];
}

void DrawKeyRoomMesh(const char* name) {
    if (scene::Mesh* mesh = KeyRoomMesh(name)) {
        scene::DrawMesh(*mesh);
    }
}

void OrbitKeyRoomLight() {
    if (keyRoomScene.lights.empty()) {
        return;
    }
    float t = app::animationTime;
    keyRoomScene.lights[0].SetPosition(
        Vector(60.0f * std::sin(t), 30.0f * std::sin(1.0f / t) + 40.0f, 60.0f * std::cos(t)));
    keyRoomScene.lights[0].Apply();
}

// Stencil 1 and the water's depth where the water is; nothing in colour.
void MaskWater() {
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_TRUE);
    glEnable(GL_STENCIL_TEST);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glStencilFunc(GL_ALWAYS, 1, 0xFFFFFFFF);
    DrawKeyRoomMesh("waterq");
}

// The room mirrored in the water, only inside the mask and beyond the surface.
void DrawReflection() {
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_EQUAL, 1, 0xFFFFFFFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glPushMatrix();
    glTranslatef(0.0f, kMirrorOffset, 0.0f);
    glScalef(1.0f, -1.0f, 1.0f);
    glEnable(GL_NORMALIZE);
    glDepthFunc(GL_GREATER);
    scene::DrawScene(keyRoomScene);
    glDepthFunc(GL_LEQUAL);
    glPopMatrix();
    glDisable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 1, 0xFFFFFFFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glDepthFunc(GL_LESS);
}

void DrawKeyRoom() {
    OrbitKeyRoomLight();
    MaskWater();
    DrawReflection();
    DrawKeyRoomMesh("waterq");
    scene::DrawScene(keyRoomScene);
    DrawKeyRoomMesh("water_uped");
    glClear(GL_STENCIL_BUFFER_BIT);
    effects::DrawShadows(keyRoomScene);
    DrawLightFlare(keyRoomScene);
}

void DrawFires() {
    for (effects::ParticleSystem& system : mainScene.particleSystems) {
        if (system.emitterMesh) {
            system.UpdateFromMesh();
        } else {
            system.Update();
        }
        system.DrawParticles(Eye());
    }
    for (effects::ParticleSystem& flare : glowFlares) {
        SizeFlare(flare, kGlowFlareLimit);
        flare.DrawParticles(Eye());
    }
}

}  // namespace

void DrawFrame() {
    const int part = partIndex;
    render::triangleBatches.NextFrame();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    camera.Apply(render::triangleBatches.frameStamp);
    if (part == 0) {
        lightScene.camera = mainScene.camera;
        scene::DrawScene(lightScene);
    }
    if (part < 3 || part > 11) {
        DrawMainScene();
    }
    if (part == 3 || part == 4) {
        DrawHall();
    }
    if (part >= 5 && part <= 7) {
        DrawWood();
    }
    if (part >= 8 && part <= 10) {
        DrawKeyRoom();
    }
    if (part == 1 || part == 9 || part == 12) {
        DrawFires();
    }
    render::DrawOverlay();
    glFlush();
    app::SwapScreenBuffers();
}

}  // namespace production
