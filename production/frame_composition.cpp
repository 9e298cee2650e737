// Frame composition: the scenes, shadows, water reflection, flares and particles each
// part shows, then the overlay and the buffer swap.
#include "production/frame_composition.h"

#include "render/gl.h"

#include <cmath>

#include "effects/shadows.h"
#include "production/content.h"
#include "production/overlay.h"
#include "production/production.h"
#include "production/schedule.h"
#include "render/display.h"
#include "scene/drawing.h"
#include "scene/mesh_drawing.h"
#include "scene/scene_drawing.h"
#include "scene/triangle_batches.h"

namespace production {
namespace {

using scene::Vector;

// The room is mirrored in the water plane: flipped, then raised by twice its height.
constexpr float kMirrorOffset = 2.0f * content::kWaterLevel;
constexpr float kGlowFlareLimit = 60.0f;

Vector Eye() {
    return show.camera.position;
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
void DrawLightFlare(ShowScene& scene) {
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
    ApplyLight(show.mainScene, 0);
    ApplyLight(show.mainScene, 1);
    scene::DrawScene(show.mainScene);
}

void DrawHall() {
    if (!show.hallScene.lights.empty()) {
        show.hallScene.lights[0].SetPosition(Eye() + Vector(600, 50, 0));
        show.hallScene.lights[0].Apply();
    }
    scene::DrawScene(show.hallScene);
    effects::DrawShadows(show.hallScene);
    DrawLightFlare(show.hallScene);
}

void DrawWood() {
    ApplyLight(show.mainScene, 0);
    scene::DrawScene(show.woodScene);
}

// The mesh of the key room's object `name`, or null.
scene::Mesh* KeyRoomMesh(const char* name) {
    scene::SceneObject* object = show.keyRoomScene.FindObject(name);
    if (!object || object->meshIndex < 0 ||
        object->meshIndex >= static_cast<int32_t>(show.keyRoomScene.meshes.size())) {
        return nullptr;
    }
    return &show.keyRoomScene.meshes[object->meshIndex];
}

void DrawKeyRoomMesh(const char* name) {
    if (scene::Mesh* mesh = KeyRoomMesh(name)) {
        scene::DrawMesh(*mesh);
    }
}

void OrbitKeyRoomLight() {
    if (show.keyRoomScene.lights.empty()) {
        return;
    }
    float t = show.animationTime;
    show.keyRoomScene.lights[0].SetPosition(
        Vector(60.0f * std::sin(t), 30.0f * std::sin(1.0f / t) + 40.0f, 60.0f * std::cos(t)));
    show.keyRoomScene.lights[0].Apply();
}

// Stencil 1 and the water's depth where the water is; nothing in colour.
void MaskWater() {
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_TRUE);
    glEnable(GL_STENCIL_TEST);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glStencilFunc(GL_ALWAYS, 1, 0xFFFFFFFF);
    DrawKeyRoomMesh(content::kWaterSurface);
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
    scene::DrawScene(show.keyRoomScene);
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
    DrawKeyRoomMesh(content::kWaterSurface);
    scene::DrawScene(show.keyRoomScene);
    DrawKeyRoomMesh(content::kWaterFilm);
    glClear(GL_STENCIL_BUFFER_BIT);
    effects::DrawShadows(show.keyRoomScene);
    DrawLightFlare(show.keyRoomScene);
}

void DrawFires() {
    for (effects::ParticleSystem& system : show.mainScene.particleSystems) {
        system.DrawParticles(Eye());
    }
    for (effects::ParticleSystem& flare : show.glowFlares) {
        SizeFlare(flare, kGlowFlareLimit);
        flare.DrawParticles(Eye());
    }
}

// The fires' particles move on their own clock whether or not they are drawn; the random
// source they share is drawn from in the systems' order.
void UpdateFires() {
    for (effects::ParticleSystem& system : show.mainScene.particleSystems) {
        if (system.emitterMesh) {
            system.UpdateFromMesh();
        } else {
            system.Update();
        }
    }
}

}  // namespace

void AdvanceFrame() {
    scene::drawing.triangleBatches.NextFrame();
    show.camera.Advance(scene::drawing.triangleBatches.frameStamp);
    if (PartDraws(show.partIndex) & kDrawFires) {
        UpdateFires();
    }
}

void KeepViewTest() {
    // The scene drawing renews the planes in a frame whose view changed; part 11 draws none.
    if (PartDraws(show.partIndex) == kDrawNothing ||
        show.camera.changeStamp != scene::drawing.triangleBatches.frameStamp) {
        return;
    }
    glLoadIdentity();
    show.camera.Look();
    show.camera.frustum.UpdateFrustum();
}

void DrawFrame() {
    const unsigned draws = PartDraws(show.partIndex);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    show.camera.Look();
    if (draws & kDrawLightScene) {
        show.lightScene.camera = show.mainScene.camera;
        scene::DrawScene(show.lightScene);
    }
    if (draws & kDrawMainScene) {
        DrawMainScene();
    }
    if (draws & kDrawHall) {
        DrawHall();
    }
    if (draws & kDrawWood) {
        DrawWood();
    }
    if (draws & kDrawKeyRoom) {
        DrawKeyRoom();
    }
    if (draws & kDrawFires) {
        DrawFires();
    }
    DrawOverlay();
    glFlush();
    render::ShowFrame();
}

}  // namespace production
