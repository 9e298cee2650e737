// Scene: the meshes, named objects, animated objects and lights built from one or more
// scene file families, and what the scene drawing needs to draw them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/animation.h"
#include "scene/camera.h"
#include "scene/landscape.h"
#include "scene/light.h"
#include "scene/mesh.h"
#include "scene/quaternion.h"
#include "scene/vector.h"

namespace scene {

class SceneObject {
public:
    virtual ~SceneObject() = default;

    // Index into the scene's meshes.
    int32_t meshIndex = -1;
    bool visible = true;
    Vector position{0, 0, 0};
    Quaternion orientation;
    // The name of its mesh.
    std::string name;
};

class Scene {
public:
    Scene() = default;
    Scene(Scene&&) = default;
    Scene& operator=(Scene&&) = default;
    virtual ~Scene() = default;

    // Reads basePath + ".m3m", ".m3f" and, with `loadAnimation`, the animation files,
    // appending to this scene. File positions are scaled by `scale`, their axes turned
    // into the engine's and `offset` added. The rotation is taken and not used.
    void LoadScene(const std::string& basePath, float scale, bool loadAnimation,
                   int32_t animationLength, const Vector& offset, const Quaternion& rotation);
    // The first object named exactly `name`, or null.
    SceneObject* FindObject(const std::string& name);
    // Advances the animation clock by the frame step and deforms the animated meshes.
    void UpdateAnimation(int64_t dt);

    std::vector<Mesh> meshes;
    // One per mesh read, in the same order.
    std::vector<SceneObject> objects;
    std::vector<AnimatedObject> animatedObjects;
    std::vector<scene::Light> lights;
    // Shared by the production's scenes; null draws without view culling.
    Camera* camera = nullptr;
    // Always empty: no terrain is built.
    scene::Landscapes landscapes;
    // The steps handed to UpdateAnimation, summed.
    int64_t animationClock = 0;
};

}  // namespace scene
