// One engine frame with three viewports, read back into a picture.
#include "tools/m3convert/preview.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdlib>

#include "app/window.h"
#include "production/light.h"
#include "render/renderer.h"
#include "scene/material.h"
#include "scene/scene.h"
#include "scene/scene_drawing.h"
#include "tools/m3convert/model.h"

namespace tools::m3convert {
namespace {

using scene::Vector;
using tools::data::Image;

constexpr double kFieldOfView = 35.0;

struct Box {
    Vector low{1e30f, 1e30f, 1e30f};
    Vector high{-1e30f, -1e30f, -1e30f};

    void Add(const scene::Mesh& mesh) {
        for (const scene::Vertex& v : mesh.vertices) {
            low = Vector(std::min(low.x, v.position.x), std::min(low.y, v.position.y),
                         std::min(low.z, v.position.z));
            high = Vector(std::max(high.x, v.position.x), std::max(high.y, v.position.y),
                          std::max(high.z, v.position.z));
        }
    }
    Vector Centre() const { return (low + high) * 0.5f; }
    float Radius() const { return std::max((high - low).Length() * 0.5f, 1e-3f); }
};

// What the frame shows: the visible objects and the animated meshes.
Box Bounds(const scene::Scene& scene) {
    Box box;
    for (const scene::SceneObject& object : scene.objects) {
        if (object.visible) {
            box.Add(scene.meshes[size_t(object.meshIndex)]);
        }
    }
    for (const scene::AnimatedObject& animated : scene.animatedObjects) {
        box.Add(animated.mesh);
    }
    return box;
}

// The engine names files with backslashes and turns them back into '/' itself.
std::string EngineSpelling(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

void DrawView(scene::Scene& scene, const Box& box, const Vector& direction, int slot) {
    glViewport(slot * kPreviewViewSize, 0, kPreviewViewSize, kPreviewViewSize);
    float distance = box.Radius() / float(std::sin(kFieldOfView * M_PI / 360.0)) * 1.05f;
    Vector unit = direction * (1.0f / direction.Length());
    Vector eye = box.Centre() + unit * distance;
    Vector centre = box.Centre();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, 1.0, distance * 0.01, distance * 3.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, 0, 1, 0);
    production::Light light;
    light.SetPosition(Vector(eye.x, eye.y, eye.z, 1));
    light.SetDiffuse(1, 1, 1, 1);
    light.SetAmbient(0.35f, 0.35f, 0.35f, 1);
    light.Apply();
    scene::DrawScene(scene);
}

// The frame as drawn, top row first.
Image ReadBack(int width, int height) {
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgba[(size_t(height - 1 - y) * size_t(width) + size_t(x)) * 4];
            image.at(x, y) = {p[0], p[1], p[2], 255};
        }
    }
    return image;
}

// The model loaded and drawn on the current context; the scene goes before the context.
Image DrawModel(const PreviewRequest& request, int width, int height) {
    // Textures of an earlier context are gone with it.
    scene::MaterialTable.clear();
    scene::Scene scene;
    scene.LoadScene(EngineSpelling(request.basePath), 1.0f, request.animated,
                    int32_t(request.animationLength), Vector(0, 0, 0), scene::Quaternion());
    scene.UpdateAnimation(0);
    Box box = Bounds(scene);
    glClearColor(0.22f, 0.24f, 0.28f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const Vector directions[3] = {{0, 0.25f, 1}, {1, 0.25f, 0}, {-0.7f, 0.9f, -0.7f}};
    for (int slot = 0; slot < 3; ++slot) {
        DrawView(scene, box, directions[slot], slot);
    }
    Image image = ReadBack(width, height);
    scene::MaterialTable.clear();
    return image;
}

}  // namespace

Image DrawPreview(const PreviewRequest& request) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    const int width = 3 * kPreviewViewSize, height = kPreviewViewSize;
    if (!app::CreateGLWindow("m3convert preview", width, height, 32, false)) {
        throw ConvertError("no OpenGL context for the preview");
    }
    render::renderer.CheckCapabilities();
    Image image = DrawModel(request, width, height);
    app::KillWindow();
    return image;
}

}  // namespace tools::m3convert
