// Reloading scenes, textures and the camera path in place.
#include "production/reload.h"

#include <string>
#include <utility>

#include "console/log.h"
#include "console/settings.h"
#include "production/camera_path.h"
#include "production/production.h"
#include "production/show.h"
#include "render/gl.h"
#include "scene/drawing.h"
#include "scene/material.h"

namespace production {
namespace {

void KeepOld(const std::string& file, const char* what) {
    console::Print(file + " no longer reads; the " + what + " loaded before stays");
}

// The file the texture came from, read into a new texture object that takes the old one's
// place; a texture made in code has no file and stays.
void ReloadTexture(render::Texture& texture) {
    if (texture.name.empty() || !texture.Present()) {
        return;
    }
    render::Texture fresh;
    fresh.filterMode = texture.filterMode;
    fresh.wrapMode = texture.wrapMode;
    if (!fresh.Load(texture.name)) {
        KeepOld(texture.name, "texture");
        return;
    }
    const auto old = static_cast<GLuint>(texture.glName);
    glDeleteTextures(1, &old);
    texture = std::move(fresh);
}

void ReloadTextures() {
    for (scene::Material& material : scene::drawing.MaterialTable) {
        for (render::Texture* map : {&material.diffuseMap, &material.opacityMap, &material.bumpMap,
                                     &material.reflectionMap, &material.refractionMap}) {
            ReloadTexture(*map);
        }
    }
    for (render::Texture& title : show.titleTextures) {
        ReloadTexture(title);
    }
}

// Reads the scene's files into a new scene; false, with the file logged, when one of them
// gives no mesh.
bool ReadScene(const ShowScene& target, ShowScene& fresh) {
    for (const SceneFile& file : ShowSceneFiles()) {
        if (&file.scene != &target) {
            continue;
        }
        const size_t before = fresh.meshes.size();
        fresh.LoadScene(file.basePath, file.scale, false, 0, file.offset, scene::Quaternion());
        if (fresh.meshes.size() == before) {
            KeepOld(file.basePath, "scene");
            return false;
        }
    }
    return true;
}

// The scene's meshes and objects read again; objects keep whether the show has them
// shown, and the lights, fires and camera stay. The display lists of the meshes replaced
// are left behind: the GL layer over OpenGL ES 2 cannot delete lists.
void ReloadScene(ShowScene& target) {
    ShowScene fresh;
    if (!ReadScene(target, fresh)) {
        return;
    }
    for (scene::SceneObject& object : fresh.objects) {
        if (const scene::SceneObject* old = target.FindObject(object.name)) {
            object.visible = old->visible;
        }
    }
    target.meshes = std::move(fresh.meshes);
    target.objects = std::move(fresh.objects);
    target.animatedObjects = std::move(fresh.animatedObjects);
}

void ReloadCameraPath() {
    std::vector<CameraKey> old = std::move(show.cameraPath);
    show.cameraPath.clear();
    LoadCameraPath("Campath1.vcp");
    if (show.cameraPath.empty()) {
        KeepOld("Campath1.vcp", "camera path");
        show.cameraPath = std::move(old);
    }
}

}  // namespace

void ReloadShowFiles() {
    console::Print("Reloading the show's files...");
    ReloadTextures();
    for (ShowScene* scene :
         {&show.mainScene, &show.hallScene, &show.woodScene, &show.keyRoomScene}) {
        ReloadScene(*scene);
    }
    FindFireEmitter();
    // The recording variant writes the path rather than playing it.
    if (console::cameraMode == 2) {
        ReloadCameraPath();
    }
}

}  // namespace production
