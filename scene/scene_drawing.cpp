// The scene drawing of one frame.
#include "scene/scene_drawing.h"

#include "console/settings.h"
#include "render/display.h"
#include "render/gl.h"
#include "scene/drawing.h"
#include "scene/mesh_drawing.h"
#include "scene/triangle_batches.h"

namespace scene {
namespace {

Matrix ObjectMatrix(const SceneObject& object) {
    return RotationTranslation(object.orientation, object.position);
}

// Marks the faces that look towards the light, all in the mesh's own coordinates.
void MarkFacing(Mesh& mesh, const Vector& light) {
    for (Face& face : mesh.faces) {
        const Vector& first = mesh.vertices[static_cast<size_t>(face.index[0])].position;
        face.facing = (light - first).Dot(face.normal) >= 0.0f;
    }
}

bool Skipped(const Scene& scene, size_t i) {
    int32_t only = console::settings.render_one_object;
    const SceneObject& object = scene.objects[i];
    return (only >= 0 && static_cast<size_t>(only) != i) || !object.visible ||
           object.meshIndex < 0 || static_cast<size_t>(object.meshIndex) >= scene.meshes.size();
}

void ObjectPass(Scene& scene) {
    // A scene without a light leaves its faces' flags as they are: it casts no shadows.
    bool lit = !scene.lights.empty();
    Vector light = lit ? scene.lights[0].position : Vector();
    for (size_t i = 0; i < scene.objects.size(); ++i) {
        if (Skipped(scene, i)) {
            continue;
        }
        const SceneObject& object = scene.objects[i];
        Mesh& mesh = scene.meshes[static_cast<size_t>(object.meshIndex)];
        drawing.triangleBatches.PushModelMatrix(ObjectMatrix(object));
        if (lit) {
            MarkFacing(mesh, light);
        }
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        DrawMesh(mesh);
        drawing.triangleBatches.PopModelMatrix();
    }
}

bool InView(const Camera* camera, const Mesh& mesh, const Face& face) {
    if (!camera) {
        return true;
    }
    auto corner = [&mesh, &face](int k) -> const Vector& {
        return mesh.vertices[static_cast<size_t>(face.index[k])].position;
    };
    return camera->frustum.TriangleVisible(corner(0), corner(1), corner(2), true);
}

void AnimatedPass(Scene& scene) {
    bool applied = false;
    int32_t appliedMaterial = -1;
    for (AnimatedObject& animated : scene.animatedObjects) {
        if (animated.objectIndex < 0 ||
            static_cast<size_t>(animated.objectIndex) >= scene.objects.size()) {
            continue;
        }
        Mesh& mesh = animated.mesh;
        if (!applied || mesh.materialIndex != appliedMaterial) {
            ApplyMaterial(MaterialAt(mesh.materialIndex));
            applied = true;
            appliedMaterial = mesh.materialIndex;
        }
        drawing.triangleBatches.PushModelMatrix(
            ObjectMatrix(scene.objects[static_cast<size_t>(animated.objectIndex)]));
        for (const Face& face : mesh.faces) {
            if (InView(scene.camera, mesh, face)) {
                drawing.triangleBatches.AddTriangle(mesh, face, mesh.materialIndex);
            }
        }
        drawing.triangleBatches.PopModelMatrix();
    }
}

}  // namespace

void DrawScene(Scene& scene) {
    // The view test needs the planes of this frame's view once the camera moved.
    if (scene.camera && scene.camera->changeStamp == drawing.triangleBatches.frameStamp) {
        scene.camera->frustum.UpdateFrustum();
    }
    drawing.triangleBatches.BeginBatches(scene.camera);
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, console::settings.render_WireFrame ? GL_LINE : GL_FILL);
    glColor4f(1, 1, 1, 1);
    render::display.frameStats.trianglesThisFrame = 0;
    scene::DrawLandscapes(scene.landscapes, scene.camera);
    ObjectPass(scene);
    AnimatedPass(scene);
    drawing.triangleBatches.FlushBatches();
    scene::DrawLandscapeQuads(scene.landscapes);
}

}  // namespace scene
