// Production loading: camera, lights, particle materials and systems, fog, the scene
// files, the objects hidden at the start, the camera path and the audio.
#include "production/production.h"

#include "console/log.h"
#include "console/settings.h"
#include "effects/glow.h"
#include "platform/audio.h"
#include "production/camera_path.h"
#include "production/camera_record.h"
#include "production/content.h"
#include "render/gl.h"
#include "scene/drawing.h"
#include "scene/material.h"

namespace production {

namespace {

using scene::Vector;

void AddLight(ShowScene& scene, const Vector& position) {
    scene::Light light;
    light.SetPosition(position);
    light.SetAmbient(0.2f, 0.2f, 0.2f, 1.0f);
    light.SetDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    light.SetSpecular(1.0f, 1.0f, 1.0f, 1.0f);
    light.EnableAttenuation(0.0f);
    scene.lights.push_back(light);
}

void AddStandardLight(ShowScene& scene) {
    AddLight(scene, Vector(-5, 110, 60.5f));
}

// A glow sprite at the scene's light: the flare drawn where the light is.
void AddLightFlare(ShowScene& scene) {
    scene.particleSystems.resize(scene.particleSystems.size() + scene.lights.size());
    scene.particleSystems.back().SetupParticleSystem(scene.lights[0].Position(), show.glowMaterial,
                                                     "glow", 1);
}

void PlaceCamera() {
    show.camera.position = Vector(0, 0, -100);
    show.camera.forward = Vector(1, 0, 0);
    show.camera.heading = 0.0f;
    show.camera.pitch = 0.0f;
    for (ShowScene* scene : {&show.mainScene, &show.hallScene, &show.woodScene, &show.keyRoomScene,
                             &show.lightScene}) {
        scene->camera = &show.camera;
    }
}

void MakeParticleMaterials() {
    scene::drawing.MaterialTable.push_back(scene::drawing.DefaultMaterial);
    show.glowMaterial = static_cast<int>(scene::drawing.MaterialTable.size()) - 1;
    effects::glowMaker.target = &scene::drawing.MaterialTable[show.glowMaterial].diffuseMap;
    effects::glowMaker.MakeGlow();
    // The table may move when it grows; the glow is made and the pointer not kept.
    effects::glowMaker.target = nullptr;
    scene::drawing.MaterialTable.push_back(scene::drawing.DefaultMaterial);
    show.fireMaterial = static_cast<int>(scene::drawing.MaterialTable.size()) - 1;
    scene::drawing.MaterialTable[show.fireMaterial].diffuseMap.LoadTga(
        "Data\\Textures\\part\\fire\\2.tga");
}

void MakeFires() {
    show.mainScene.particleSystems.resize(10);
    for (int i = 0; i < 10; ++i) {
        show.mainScene.particleSystems[i].SetupParticleSystem(content::kTorches[i],
                                                              show.fireMaterial, "pfire", 30);
    }
    for (int i = 0; i < 10; ++i) {
        show.glowFlares[i].SetupParticleSystem(show.mainScene.particleSystems[i].emitterPosition,
                                               show.glowMaterial, "fglow", 1);
    }
    show.mainScene.particleSystems.resize(11);
    show.fireSystemIndex = 10;
    show.mainScene.particleSystems[10].SetupParticleSystem(Vector(0, -10, -10), show.fireMaterial,
                                                           "pfire", 1000);
}

void SetUpFog() {
    glEnable(GL_FOG);
    glFogi(GL_FOG_MODE, GL_EXP2);
    glFogf(GL_FOG_DENSITY, 0.001f);
    glFogf(GL_FOG_START, 1500.0f);
    glFogf(GL_FOG_END, 1600.0f);
    const float color[4] = {0.0f, 0.0f, 0.0f, 0.1f};
    glFogfv(GL_FOG_COLOR, color);
}

void Load(ShowScene& scene, const char* basePath, float scale, const Vector& offset) {
    scene.LoadScene(basePath, scale, false, 0, offset, scene::Quaternion());
}

const scene::Mesh* FindMesh(const ShowScene& scene, const std::string& name) {
    for (const scene::Mesh& mesh : scene.meshes) {
        if (mesh.name == name) {
            return &mesh;
        }
    }
    return nullptr;
}

void HideAtStart(const char* name) {
    if (scene::SceneObject* object = show.mainScene.FindObject(name)) {
        object->visible = false;
    }
}

void LoadSceneFiles() {
    for (const SceneFile& file : ShowSceneFiles()) {
        Load(file.scene, file.basePath, file.scale, file.offset);
    }
    FindFireEmitter();
    for (const char* name : content::kRingObjects) {
        HideAtStart(name);
    }
    for (const char* name : content::kLogoObjects) {
        HideAtStart(name);
    }
}

void OpenCameraPath() {
    if (console::cameraMode == 1) {
        OpenCameraRecord();
    } else {
        LoadCameraPath("Campath1.vcp");
    }
}

void LoadAudio() {
    using namespace platform;
    show.audioState = 0;
    if (BASS_GetVersion() != kAudioVersion) {
        console::Print("BASS version 1.5 was not loaded\n");
        return;
    }
    if (!BASS_Init(kAudioDefaultDevice, 44100, 4, nullptr)) {
        console::Print("Can't initialize device");
        return;
    }
    BASS_Start();
    show.voiceStream = BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0x40000);
    if (show.voiceStream == 0) {
        console::Print("Can't load voice file" + console::IntToString(BASS_ErrorGetCode()));
        BASS_Free();
        return;
    }
    show.musicModule = BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 0, 0x80);
    if (show.musicModule == 0) {
        console::Print("Can't load music file");
        BASS_Free();
        return;
    }
    show.audioState = 1;
}

}  // namespace

std::array<SceneFile, 6> ShowSceneFiles() {
    return {{
        {show.mainScene, content::kSeerScene, 100.0f, Vector(0, 0, 1000)},
        {show.mainScene, content::kLumoScene, 1.0f, Vector(0, 0, 0)},
        {show.mainScene, content::kRingScene, 1.0f, Vector(0, 0, 0)},
        {show.hallScene, content::kHallScene, 1.0f, Vector(4000, 0, 0)},
        {show.woodScene, content::kWoodScene, 1.0f, Vector(8000, -1000, 0)},
        {show.keyRoomScene, content::kKeyRoomScene, 1.0f, Vector(0, 0, 0)},
    }};
}

void FindFireEmitter() {
    if (effects::ParticleSystem* fire = FireSystem()) {
        fire->emitterMesh = FindMesh(show.mainScene, content::kFireEmitter);
    }
}

effects::ParticleSystem* FireSystem() {
    if (show.fireSystemIndex < 0 ||
        show.fireSystemIndex >= static_cast<int>(show.mainScene.particleSystems.size())) {
        return nullptr;
    }
    return &show.mainScene.particleSystems[show.fireSystemIndex];
}

void LoadProduction() {
    PlaceCamera();
    AddLight(show.mainScene, Vector(-5, 110, 60.5f));
    AddLight(show.mainScene, Vector(105, 140, 0.5f));
    MakeParticleMaterials();
    MakeFires();
    SetUpFog();
    AddStandardLight(show.hallScene);
    AddLightFlare(show.hallScene);
    AddStandardLight(show.woodScene);
    AddStandardLight(show.keyRoomScene);
    AddStandardLight(show.lightScene);
    AddLightFlare(show.keyRoomScene);
    LoadSceneFiles();
    OpenCameraPath();
    LoadAudio();
}

}  // namespace production
