// One engine frame with three viewports, read back into a picture.
#include "tools/m3convert/preview.h"

#include <algorithm>
#include <cstdlib>

#include "render/display.h"
#include "render/gl.h"
#include "render/renderer.h"
#include "scene/drawing.h"
#include "scene/light.h"
#include "scene/material.h"
#include "scene/scene.h"
#include "scene/scene_drawing.h"
#include "tools/m3convert/model_import.h"
#include "tools/m3convert/skin_files.h"

namespace tools::m3convert {
namespace {

using scene::Vector;
using tools::data::Image;

constexpr double kFieldOfView = 35.0;
// The background, exact in bytes so that an untouched pixel is recognised.
constexpr tools::data::Rgba kBackground{56, 61, 71, 255};
// A framed model covers much of each view; a picture with less of it than one pixel in a
// thousand shows nothing (a flat face seen edge-on can leave a speck).
constexpr size_t kVisibleShare = 1000;

struct Box {
    Vector low{1e30f, 1e30f, 1e30f};
    Vector high{-1e30f, -1e30f, -1e30f};

    // Vertices at no finite place are not drawn.
    void Add(const scene::Mesh& mesh) {
        for (const scene::Vertex& v : mesh.vertices) {
            if (!Finite(v.position)) {
                continue;
            }
            low = Vector(std::min(low.x, v.position.x), std::min(low.y, v.position.y),
                         std::min(low.z, v.position.z));
            high = Vector(std::max(high.x, v.position.x), std::max(high.y, v.position.y),
                          std::max(high.z, v.position.z));
        }
    }
    Vector Centre() const { return (low + high) * 0.5f; }
    float Radius() const { return std::max((high - low).Length() * 0.5f, 1e-3f); }
};

// What the frame shows: the visible objects and the animated meshes the scene drawing draws.
Box Bounds(const scene::Scene& scene) {
    Box box;
    for (const scene::SceneObject& object : scene.objects) {
        if (object.visible && size_t(object.meshIndex) < scene.meshes.size()) {
            box.Add(scene.meshes[size_t(object.meshIndex)]);
        }
    }
    for (const scene::AnimatedObject& animated : scene.animatedObjects) {
        if (size_t(animated.objectIndex) < scene.objects.size()) {
            box.Add(animated.mesh);
        }
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
    scene::Light light;
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
    scene::drawing.MaterialTable.clear();
    scene::Scene scene;
    scene.LoadScene(EngineSpelling(request.basePath), 1.0f, request.animated,
                    int32_t(request.animationLength), Vector(0, 0, 0), scene::Quaternion());
    scene.UpdateAnimation(0);
    Box box = Bounds(scene);
    glClearColor(kBackground.r / 255.0f, kBackground.g / 255.0f, kBackground.b / 255.0f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const Vector directions[3] = {{0, 0.25f, 1}, {1, 0.25f, 0}, {-0.7f, 0.9f, -0.7f}};
    for (int slot = 0; slot < 3; ++slot) {
        DrawView(scene, box, directions[slot], slot);
    }
    Image image = ReadBack(width, height);
    scene::drawing.MaterialTable.clear();
    return image;
}

bool ShowsSomething(const Image& image) {
    auto covered =
        std::count_if(image.pixels().begin(), image.pixels().end(), [](const tools::data::Rgba& p) {
            return p.r != kBackground.r || p.g != kBackground.g || p.b != kBackground.b;
        });
    return size_t(covered) * kVisibleShare >= image.pixels().size();
}

}  // namespace

PreviewRequest PreviewOf(const std::string& basePath, const Model& model) {
    bool animated = model.skin && !model.skin->firstKeyCollapses;
    return {basePath, animated, animated ? SourceSpeedLength(*model.skin) : 0};
}

Image DrawPreview(const PreviewRequest& request, std::vector<std::string>& warnings) {
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    const int width = 3 * kPreviewViewSize, height = kPreviewViewSize;
    if (!render::CreateGLWindow("m3convert preview", width, height, 32, false)) {
        throw ConvertError("no OpenGL context for the preview");
    }
    render::renderer.CheckCapabilities();
    Image image = DrawModel(request, width, height);
    render::KillWindow();
    if (!ShowsSomething(image)) {
        warnings.push_back("the preview shows nothing: the model's faces cover next to no pixel");
    }
    return image;
}

}  // namespace tools::m3convert
