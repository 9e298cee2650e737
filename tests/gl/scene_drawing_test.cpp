// Materials and the scene drawing on a real context, read back as pixels.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "console/settings.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "render/renderer.h"
#include "scene/drawing.h"
#include "scene/light.h"
#include "scene/material.h"
#include "scene/mesh_drawing.h"
#include "scene/scene_drawing.h"
#include "scene/triangle_batches.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

// A square of side 2 facing +z around `centre`, two faces, texture corners 0..1.
scene::Mesh Square(const Vector& centre, int32_t material) {
    scene::Mesh mesh;
    const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (const auto& c : corners) {
        scene::Vertex v;
        v.position = Vector(centre.x + c[0], centre.y + c[1], centre.z);
        v.normal = Vector(0, 0, 1);
        v.color = scene::MaterialAt(material).diffuse;
        mesh.vertices.push_back(v);
    }
    const int faces[2][3] = {{0, 1, 2}, {0, 2, 3}};
    for (const auto& f : faces) {
        scene::Face face;
        for (int k = 0; k < 3; ++k) {
            face.index[k] = f[k];
            face.u[k] = (corners[f[k]][0] + 1) / 2;
            face.v[k] = (corners[f[k]][1] + 1) / 2;
        }
        face.normal = Vector(0, 0, 1);
        mesh.faces.push_back(face);
    }
    mesh.materialIndex = material;
    scene::LinkNeighbours(mesh);
    return mesh;
}

int32_t AddMaterial(const Vector& diffuse, const std::string& shader = "Blinn") {
    scene::Material m = scene::drawing.DefaultMaterial;
    m.diffuse = diffuse;
    m.ambient = Vector(0.2f, 0.2f, 0.2f, 1);
    m.shaderType = shader;
    scene::drawing.MaterialTable.push_back(m);
    return static_cast<int32_t>(scene::drawing.MaterialTable.size()) - 1;
}

// A 2 × 2 texture, nearest filtering: red, green / blue, white.
void MakeChecker(render::Texture& texture) {
    texture.filterMode = 0;
    texture.SetWidth(2);
    texture.SetHeight(2);
    const uint8_t texels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
    std::copy(texels, texels + 16, texture.pixels.begin());
    texture.Upload();
}

class SceneDrawing : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("GL_EXT_vertex_array");
        light.SetPosition(Vector(0, 0, 10, 1));
        light.SetDiffuse(1, 1, 1, 1);
        light.SetAmbient(0.2f, 0.2f, 0.2f, 1);
        scene.lights.push_back(light);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0, 0, -6);
    }
    void AddObject(const scene::Mesh& mesh) {
        scene.meshes.push_back(mesh);
        scene::BuildDisplayList(scene.meshes.back());
        scene::SceneObject object;
        object.meshIndex = static_cast<int32_t>(scene.meshes.size()) - 1;
        scene.objects.push_back(object);
    }
    std::vector<uint8_t> Draw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene.lights[0].Apply();
        scene::DrawScene(scene);
        return ReadPixels();
    }
    static bool Lit(const Rgba& p) { return p.r + p.g + p.b > 60; }

    scene::Light light;
    scene::Scene scene;
};

// Texels of alpha 190 pass the usual alpha test but not the "Leaf" shader's.
TEST_F(SceneDrawing, LeafMaterialsDropMostlyTransparentTexels) {
    const struct {
        const char* shader;
        float x;
        bool shown;
    } cases[] = {{"Leaf", -3, false}, {"Blinn", 3, true}};
    for (const auto& c : cases) {
        int32_t material = AddMaterial(Vector(1, 1, 1, 1), c.shader);
        render::Texture& map = scene::drawing.MaterialTable[size_t(material)].diffuseMap;
        map.SetWidth(2);
        map.SetHeight(2);
        std::fill(map.pixels.begin(), map.pixels.end(), uint8_t{190});
        map.Upload();
        AddObject(Square(Vector(c.x, 0, 0), material));
    }
    Draw();
    for (const auto& c : cases) {
        EXPECT_EQ(Lit(PixelAt(width / 2 + int(c.x) * 57, height / 2)), c.shown) << c.shader;
    }
}

TEST_F(SceneDrawing, RenderOneObjectDrawsOnlyThatObject) {
    int32_t red = AddMaterial(Vector(1, 0, 0, 1));
    for (float x : {-3.0f, 0.0f, 3.0f}) {
        AddObject(Square(Vector(x, 0, 0), red));
    }
    Draw();
    for (int px : {width / 2 - 170, width / 2, width / 2 + 170}) {
        EXPECT_TRUE(Lit(PixelAt(px, height / 2))) << px;
    }
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 6);
    console::settings.render_one_object = 2;
    Draw();
    EXPECT_FALSE(Lit(PixelAt(width / 2 - 170, height / 2)));
    EXPECT_FALSE(Lit(PixelAt(width / 2, height / 2)));
    EXPECT_TRUE(Lit(PixelAt(width / 2 + 170, height / 2)));
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 2);
    scene.objects[2].visible = false;
    Draw();
    EXPECT_FALSE(Lit(PixelAt(width / 2 + 170, height / 2)));
}

TEST_F(SceneDrawing, ObjectsAreMovedAndTurnedByTheirTransform) {
    AddObject(Square(Vector(0, 0, 0), AddMaterial(Vector(0, 1, 0, 1))));
    scene.objects[0].position = Vector(3, 0, 0);
    Draw();
    EXPECT_FALSE(Lit(PixelAt(width / 2, height / 2)));
    EXPECT_TRUE(Lit(PixelAt(width / 2 + 170, height / 2)));
    // Half a turn about y shows the unlit back.
    scene.objects[0].orientation = scene::Quaternion(0, 1, 0, 0);
    Draw();
    Rgba back = PixelAt(width / 2 + 170, height / 2);
    EXPECT_LT(back.g, 100);
}

TEST_F(SceneDrawing, WireFrameDrawsLines) {
    AddObject(Square(Vector(0, 0, 0), -1));
    console::settings.render_WireFrame = true;
    Draw();
    EXPECT_FALSE(Lit(PixelAt(width / 2 + 20, height / 2 - 20))) << "inside the square is empty";
    console::settings.render_WireFrame = false;
    Draw();
    EXPECT_TRUE(Lit(PixelAt(width / 2 + 20, height / 2 - 20)));
}

// The same lit, textured square through its display list and through the batches.
class BatchPath : public SceneDrawing, public ::testing::WithParamInterface<const char*> {};

TEST_P(BatchPath, DrawsTheSamePixelsAsTheDisplayList) {
    render::renderer.UseExtensions(GetParam());
    int32_t material = AddMaterial(Vector(1, 1, 1, 1));
    MakeChecker(scene::drawing.MaterialTable[static_cast<size_t>(material)].diffuseMap);
    AddObject(Square(Vector(0, 0, 0), material));
    scene.objects[0].position = Vector(0.5f, 0, 0);
    std::vector<uint8_t> listed = Draw();
    EXPECT_TRUE(Lit(PixelAt(width / 2 + 60, height / 2 + 60)));

    scene::AnimatedObject animated;
    animated.mesh = scene.meshes[0];
    animated.objectIndex = 0;
    scene.animatedObjects.push_back(animated);
    scene.objects[0].visible = false;
    std::vector<uint8_t> batched = Draw();
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 2);
    size_t differing = 0;
    for (size_t i = 0; i < listed.size(); ++i) {
        differing += listed[i] != batched[i];
    }
    EXPECT_LE(differing, listed.size() / 1000) << "all but rasterisation differences agree";
}

INSTANTIATE_TEST_SUITE_P(VertexArrayAndImmediate, BatchPath,
                         ::testing::Values("GL_EXT_vertex_array", ""));

}  // namespace
