// Loading a scene's files, finding objects and advancing its animations.
#include "scene/scene.h"

#include "console/log.h"
#include "scene/animation_files.h"
#include "scene/material_file.h"
#include "scene/mesh_drawing.h"
#include "scene/mesh_file.h"
#include "scene/word_reader.h"

namespace scene {

void Scene::LoadScene(const std::string& basePath, float scale, bool loadAnimation,
                      int32_t animationLength, const Vector& offset, const Quaternion&) {
    MaterialRemap remap;
    ReadMaterialFile(basePath, remap);
    WordReader in;
    if (!in.Open(basePath + ".m3f")) {
        console::Print("File " + in.Path() + " not found!");
        return;
    }
    console::Print("Load: " + in.Path());
    size_t firstNew = meshes.size();
    ReadMeshFile(in, {scale, offset}, remap, *this);
    for (size_t i = firstNew; i < meshes.size(); ++i) {
        BuildDisplayList(meshes[i]);
    }
    console::Print("Object-data is loaded.");
    if (loadAnimation) {
        console::Print("Try to load animation...");
        LoadAnimation(*this, basePath, scale, animationLength);
    }
}

SceneObject* Scene::FindObject(const std::string& name) {
    for (SceneObject& object : objects) {
        if (object.name == name) {
            return &object;
        }
    }
    return nullptr;
}

void Scene::UpdateAnimation(int64_t dt) {
    animationClock += dt;
    for (AnimatedObject& object : animatedObjects) {
        for (Track& track : object.tracks) {
            SampleTrack(track, animationClock, object.firstFrame, object.lastFrame);
        }
        DeformMesh(object);
    }
}

}  // namespace scene
