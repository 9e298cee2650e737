// Production loading: camera, lights, particle materials and systems, fog, the scene
// files, the objects hidden at the start, the camera path and the audio.
#include "production/production.h"

#include <GL/gl.h>

#include "app/main_loop.h"
#include "console/log.h"
#include "effects/glow.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "production/camera_path.h"
#include "scene/material.h"

namespace production {

scene::Scene mainScene;
scene::Scene hallScene;
scene::Scene woodScene;
scene::Scene keyRoomScene;
scene::Scene lightScene;
scene::Camera camera;
std::array<effects::ParticleSystem, 10> glowFlares;
int fireSystemIndex = -1;
int glowMaterial = -1;
int fireMaterial = -1;
uint32_t voiceStream = 0;
uint32_t musicModule = 0;

namespace {

using scene::Vector;

const Vector kTorches[10] = {
    {212, 59, -367}, {420, 59, -4},    {-420, 59, -6}, {-211, 59, 358},   {209, 59, 359},
    {47, 67, 416},   {-209, 59, -369}, {-44, 67, 416}, {-139, 67, -1364}, {134, 67, -1364},
};

const char* const kHiddenAtStart[] = {"Ring_gold", "Ring_RedWords", "OpenGLlogo", "HAIR01",
                                      "HEAD01",    "RBROW01",       "Line02",     "GeoSphere01",
                                      "Lumo",      "DevHub"};

void AddLight(scene::Scene& scene, const Vector& position) {
    production::Light light;
    light.SetPosition(position);
    light.SetAmbient(0.2f, 0.2f, 0.2f, 1.0f);
    light.SetDiffuse(1.0f, 1.0f, 1.0f, 1.0f);
    light.SetSpecular(1.0f, 1.0f, 1.0f, 1.0f);
    light.EnableAttenuation(0.0f);
    scene.lights.push_back(light);
}

void AddStandardLight(scene::Scene& scene) {
    AddLight(scene, Vector(-5, 110, 60.5f));
}

// A glow sprite at the scene's light: the flare drawn where the light is.
void AddLightFlare(scene::Scene& scene) {
    scene.particleSystems.resize(scene.particleSystems.size() + scene.lights.size());
    scene.particleSystems.back().SetupParticleSystem(scene.lights[0].Position(), glowMaterial,
                                                     "glow", 1);
}

void PlaceCamera() {
    camera.position = Vector(0, 0, -100);
    camera.forward = Vector(1, 0, 0);
    camera.heading = 0.0f;
    camera.pitch = 0.0f;
    for (scene::Scene* scene : {&mainScene, &hallScene, &woodScene, &keyRoomScene, &lightScene}) {
        scene->camera = &camera;
    }
}

void MakeParticleMaterials() {
    scene::MaterialTable.push_back(scene::DefaultMaterial);
    glowMaterial = static_cast<int>(scene::MaterialTable.size()) - 1;
    effects::glowMaker.target = &scene::MaterialTable[glowMaterial].diffuseMap;
    effects::glowMaker.MakeGlow();
    // The table may move when it grows; the glow is made and the pointer not kept.
    effects::glowMaker.target = nullptr;
    scene::MaterialTable.push_back(scene::DefaultMaterial);
    fireMaterial = static_cast<int>(scene::MaterialTable.size()) - 1;
    scene::MaterialTable[fireMaterial].diffuseMap.LoadTga("Data\\Textures\\part\\fire\\2.tga");
}

void MakeFires() {
    mainScene.particleSystems.resize(10);
    for (int i = 0; i < 10; ++i) {
        mainScene.particleSystems[i].SetupParticleSystem(kTorches[i], fireMaterial, "pfire", 30);
    }
    for (int i = 0; i < 10; ++i) {
        glowFlares[i].SetupParticleSystem(mainScene.particleSystems[i].emitterPosition,
                                          glowMaterial, "fglow", 1);
    }
    mainScene.particleSystems.resize(11);
    fireSystemIndex = 10;
    mainScene.particleSystems[10].SetupParticleSystem(Vector(0, -10, -10), fireMaterial, "pfire",
                                                      1000);
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

void Load(scene::Scene& scene, const char* basePath, float scale, const Vector& offset) {
    scene.LoadScene(basePath, scale, false, 0, offset, scene::Quaternion());
}

const scene::Mesh* FindMesh(const scene::Scene& scene, const std::string& name) {
    for (const scene::Mesh& mesh : scene.meshes) {
        if (mesh.name == name) {
            return &mesh;
        }
    }
    return nullptr;
}

void LoadSceneFiles() {
    Load(mainScene, "Data\\Seer\\Seer", 100.0f, Vector(0, 0, 1000));
    Load(mainScene, "Data\\Lumo\\lumo", 1.0f, Vector(0, 0, 0));
    Load(mainScene, "Data\\Ring3\\ring3", 1.0f, Vector(0, 0, 0));
    mainScene.particleSystems[fireSystemIndex].emitterMesh = FindMesh(mainScene, "OpenGLlogo");
    for (const char* name : kHiddenAtStart) {
        if (scene::SceneObject* object = mainScene.FindObject(name)) {
            object->visible = false;
        }
    }
    Load(hallScene, "Data\\Hall\\Hall", 1.0f, Vector(4000, 0, 0));
    Load(woodScene, "Data\\Wood\\Wood", 1.0f, Vector(8000, -1000, 0));
    Load(keyRoomScene, "Data\\KeyRoom\\KeyRoom", 1.0f, Vector(0, 0, 0));
}

void OpenCameraPath() {
    if (app::cameraMode == 1) {
        cameraRecordFile = platform::OpenFile("Campath1.vcp", "wb");
    } else {
        LoadCameraPath("Campath1.vcp");
    }
}

void LoadAudio() {
    using namespace platform;
    app::audioState = 0;
    if (BASS_GetVersion() != kAudioVersion) {
        console::Print("BASS version 1.5 was not loaded\n");
        return;
    }
    if (!BASS_Init(kAudioDefaultDevice, 44100, 4, nullptr)) {
        console::Print("Can't initialize device");
        return;
    }
    BASS_Start();
    voiceStream = BASS_StreamCreateFile(false, "Data\\Voice\\ring4.mp3", 0, 0, 0x40000);
    if (voiceStream == 0) {
        console::Print("Can't load voice file" + console::IntToString(BASS_ErrorGetCode()));
        BASS_Free();
        return;
    }
    musicModule = BASS_MusicLoad(false, "Data\\Music\\buddha.it", 0, 0, 0x80);
    if (musicModule == 0) {
        console::Print("Can't load music file");
        BASS_Free();
        return;
    }
    app::audioState = 1;
}

}  // namespace

effects::ParticleSystem* FireSystem() {
    if (fireSystemIndex < 0 ||
        fireSystemIndex >= static_cast<int>(mainScene.particleSystems.size())) {
        return nullptr;
    }
    return &mainScene.particleSystems[fireSystemIndex];
}

void LoadProduction() {
    PlaceCamera();
    AddLight(mainScene, Vector(-5, 110, 60.5f));
    AddLight(mainScene, Vector(105, 140, 0.5f));
    MakeParticleMaterials();
    MakeFires();
    SetUpFog();
    AddStandardLight(hallScene);
    AddLightFlare(hallScene);
    AddStandardLight(woodScene);
    AddStandardLight(keyRoomScene);
    AddStandardLight(lightScene);
    AddLightFlare(keyRoomScene);
    LoadSceneFiles();
    OpenCameraPath();
    LoadAudio();
}

}  // namespace production
