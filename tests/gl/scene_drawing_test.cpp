// Materials, lights and the scene drawing on a real context, read back as pixels and state.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "console/settings.h"
#include "render/display.h"
#include "render/frame_stats.h"
#include "render/renderer.h"
#include "scene/drawing.h"
#include "scene/light.h"
#include "scene/material.h"
#include "scene/mesh_drawing.h"
#include "scene/scene_drawing.h"
#include "support/gl_context.h"

namespace {

using scene::Vector;

// A square of side 2 facing +z around `centre`, two faces, texture corners 0..1.
scene::Mesh Square(const Vector& centre, int32_t material) {
    scene::Mesh mesh;
    const float uv[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const auto& [u, v] : uv) {
        mesh.vertices.push_back({Vector(centre.x + 2 * u - 1, centre.y + 2 * v - 1, centre.z),
                                 scene::MaterialAt(material).diffuse, Vector(0, 0, 1)});
    }
    for (const auto& [a, b, c] : {std::array{0, 1, 2}, std::array{0, 2, 3}}) {
        mesh.faces.push_back({{a, b, c},
                              {uv[a][0], uv[b][0], uv[c][0]},
                              {uv[a][1], uv[b][1], uv[c][1]},
                              Vector(0, 0, 1)});
    }
    mesh.materialIndex = material;
    scene::LinkNeighbours(mesh);
    return mesh;
}

// A material of `diffuse` with, when `texels` are given, a 2 × 2 diffuse map of nearest
// filtering.
int32_t AddMaterial(const Vector& diffuse, const std::string& shader = "Blinn",
                    const std::vector<uint8_t>& texels = {}) {
    scene::Material& m = scene::drawing.MaterialTable.emplace_back(scene::drawing.DefaultMaterial);
    m.diffuse = diffuse;
    m.ambient = Vector(0.2f, 0.2f, 0.2f, 1);
    m.shaderType = shader;
    if (!texels.empty()) {
        m.diffuseMap.filterMode = 0;
        m.diffuseMap.SetWidth(2);
        m.diffuseMap.SetHeight(2);
        m.diffuseMap.pixels = texels;
        m.diffuseMap.Upload();
    }
    return static_cast<int32_t>(scene::drawing.MaterialTable.size()) - 1;
}

class SceneDrawing : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        render::renderer.UseExtensions("GL_EXT_vertex_array");
        scene::Light& light = scene.lights.emplace_back();
        light.SetPosition(Vector(0, 0, 10, 1));
        light.SetDiffuse(1, 1, 1, 1);
        light.SetAmbient(0.2f, 0.2f, 0.2f, 1);
        glTranslatef(0, 0, -6);
    }
    void AddObject(const scene::Mesh& mesh) {
        scene.meshes.push_back(mesh);
        scene::BuildDisplayList(scene.meshes.back());
        scene.objects.emplace_back().meshIndex = static_cast<int32_t>(scene.meshes.size()) - 1;
    }
    std::vector<uint8_t> Draw() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        scene.lights[0].Apply();
        scene::DrawScene(scene);
        return ReadPixels();
    }
    // Whether the pixel (dx, dy) from the centre is lit; a unit at the origin is 57 pixels.
    bool Lit(int dx, int dy = 0) const {
        Rgba p = PixelAt(width / 2 + dx, height / 2 + dy);
        return p.r + p.g + p.b > 60;
    }
    static int Triangles() { return render::display.frameStats.trianglesThisFrame; }

    scene::Scene scene;
};

// Texels of alpha 190 pass the usual alpha test but not the "Leaf" shader's.
TEST_F(SceneDrawing, LeafMaterialsDropMostlyTransparentTexels) {
    const std::vector<uint8_t> texels(16, 190);
    AddObject(Square(Vector(-3, 0, 0), AddMaterial(Vector(1, 1, 1, 1), "Leaf", texels)));
    AddObject(Square(Vector(3, 0, 0), AddMaterial(Vector(1, 1, 1, 1), "Blinn", texels)));
    Draw();
    EXPECT_FALSE(Lit(-171)) << "Leaf";
    EXPECT_TRUE(Lit(171)) << "Blinn";
}

TEST_F(SceneDrawing, RenderOneObjectDrawsOnlyThatObject) {
    int32_t red = AddMaterial(Vector(1, 0, 0, 1));
    for (float x : {-3.0f, 0.0f, 3.0f}) {
        AddObject(Square(Vector(x, 0, 0), red));
    }
    Draw();
    EXPECT_TRUE(Lit(-170) && Lit(0) && Lit(170));
    EXPECT_EQ(Triangles(), 6);
    console::settings.render_one_object = 2;
    Draw();
    EXPECT_FALSE(Lit(-170) || Lit(0));
    EXPECT_TRUE(Lit(170));
    EXPECT_EQ(Triangles(), 2);
    scene.objects[2].visible = false;
    Draw();
    EXPECT_FALSE(Lit(170));
}

// Moved 3 units right; drawn as wires; half a turn about y shows the unlit back.
TEST_F(SceneDrawing, ObjectsAreMovedAndTurnedByTheirTransformAndDrawnAsWires) {
    AddObject(Square(Vector(0, 0, 0), AddMaterial(Vector(0, 1, 0, 1))));
    scene.objects[0].position = Vector(3, 0, 0);
    Draw();
    EXPECT_FALSE(Lit(0));
    EXPECT_TRUE(Lit(170) && Lit(190, -20));
    console::settings.render_WireFrame = true;
    Draw();
    EXPECT_FALSE(Lit(190, -20)) << "inside the square is empty";
    console::settings.render_WireFrame = false;
    scene.objects[0].orientation = scene::Quaternion(0, 1, 0, 0);
    Draw();
    EXPECT_LT(PixelAt(width / 2 + 170, height / 2).g, 100);
}

// The colours a material sends, opacity 50 as a diffuse alpha of 0.5; with one texture unit a
// material with only a reflection map sphere-maps it, one with no map leaves the bound texture;
// a mesh without a display list is not drawn and not counted.
TEST_F(SceneDrawing, MaterialStateAndAMeshWithoutAList) {
    render::renderer.UseExtensions("");
    scene::Material m = scene::drawing.DefaultMaterial;
    m.ambient = Vector(0.1f, 0.2f, 0.3f, 1);
    m.diffuse = Vector(0.7f, 0.8f, 0.9f, 1);
    m.specular = Vector(0.4f, 0.5f, 0.6f, 1);
    m.selfIllumination = 0.25f;
    m.glossiness = 40;
    m.opacity = 50;
    m.reflectionMap.SetWidth(1);
    m.reflectionMap.SetHeight(1);
    m.reflectionMap.Upload();
    glDisable(GL_TEXTURE_GEN_S);
    scene::ApplyMaterial(m);
    const std::pair<GLenum, std::vector<float>> sent[] = {{GL_AMBIENT, {0.1f, 0.2f, 0.3f, 1}},
                                                          {GL_SPECULAR, {0.4f, 0.5f, 0.6f, 1}},
                                                          {GL_EMISSION, {0.25f, 0.25f, 0.25f, 1}},
                                                          {GL_SHININESS, {40}}};
    for (const auto& [name, values] : sent) {
        float held[4] = {};
        glGetMaterialfv(GL_FRONT, name, held);
        EXPECT_EQ(std::vector<float>(held, held + values.size()), values) << name;
    }
    float colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::vector<float>(colour, colour + 4), (std::vector<float>{0.7f, 0.8f, 0.9f, 0.5f}));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, m.reflectionMap.glName);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S) && glIsEnabled(GL_TEXTURE_GEN_T));
    scene::Material bare = scene::drawing.DefaultMaterial;
    glDisable(GL_TEXTURE_GEN_S);
    scene::ApplyMaterial(bare);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, m.reflectionMap.glName);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));

    scene::Mesh unlisted = Square(Vector(0, 0, 0), AddMaterial(Vector(1, 1, 1, 1)));
    render::display.frameStats.trianglesThisFrame = 7;
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_FALSE(scene::DrawMesh(unlisted));
    EXPECT_EQ(Triangles(), 7);
    EXPECT_FALSE(Lit(0));
}

// The same lit, textured, moved and turned square through its display list and through the
// batches.
class BatchPath : public SceneDrawing, public ::testing::WithParamInterface<const char*> {};

TEST_P(BatchPath, DrawsTheSamePixelsAsTheDisplayList) {
    render::renderer.UseExtensions(GetParam());
    // Red, green / blue, white.
    AddObject(Square(Vector(0, 0, 0), AddMaterial(Vector(1, 1, 1, 1), "Blinn",
                                                  {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255,
                                                   255, 255, 255, 255})));
    // Moved and turned 30 degrees about y: the batches move points but only turn normals.
    scene.objects[0].position = Vector(0.5f, 0, 0);
    scene.objects[0].orientation = scene::Quaternion(0, 0.2588190f, 0, 0.9659258f);
    std::vector<uint8_t> listed = Draw();
    EXPECT_TRUE(Lit(60, 60));
    scene::AnimatedObject& animated = scene.animatedObjects.emplace_back();
    animated.mesh = scene.meshes[0];
    animated.objectIndex = 0;
    scene.objects[0].visible = false;
    std::vector<uint8_t> batched = Draw();
    EXPECT_EQ(Triangles(), 2);
    EXPECT_LE(std::inner_product(listed.begin(), listed.end(), batched.begin(), size_t{0},
                                 std::plus<>(), std::not_equal_to<>()),
              listed.size() / 1000)
        << "all but rasterisation differences agree";
}

INSTANTIATE_TEST_SUITE_P(VertexArrayAndImmediate, BatchPath,
                         ::testing::Values("GL_EXT_vertex_array", ""));

std::vector<float> LightHeld(GLenum parameter, size_t count = 4) {
    float values[4] = {};
    glGetLightfv(GL_LIGHT0, parameter, values);
    return std::vector<float>(values, values + count);
}

using LightGl = testing_support::GlTest;

// A light sends only what was set on it: what it leaves out stays as the light before sent
// it. The attenuation sent is the specular colour's first component (1 for the show's lights).
TEST_F(LightGl, ALightSendsOnlyWhatWasSetOnIt) {
    glDisable(GL_LIGHTING);
    scene::Light full, diffuseOnly;
    full.SetPosition(Vector(1, 2, 3, 1));
    full.SetAmbient(0.1f, 0.2f, 0.3f, 1);
    full.SetSpecular(0.7f, 0.8f, 0.9f, 1);
    full.Apply();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING) && glIsEnabled(GL_LIGHT0));
    glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, 0.5f);
    diffuseOnly.SetDiffuse(1, 0, 0, 1);
    diffuseOnly.Apply();
    EXPECT_EQ(LightHeld(GL_POSITION), (std::vector<float>{1, 2, 3, 1}));
    EXPECT_EQ(LightHeld(GL_AMBIENT), (std::vector<float>{0.1f, 0.2f, 0.3f, 1}));
    EXPECT_EQ(LightHeld(GL_DIFFUSE), (std::vector<float>{1, 0, 0, 1}));
    EXPECT_EQ(LightHeld(GL_SPECULAR), (std::vector<float>{0.7f, 0.8f, 0.9f, 1}));
    EXPECT_EQ(LightHeld(GL_CONSTANT_ATTENUATION, 1), std::vector<float>{0.5f});
    for (float specular : {1.0f, 2.0f}) {
        scene::Light attenuated;
        attenuated.SetSpecular(specular, 1, 1, 1);
        attenuated.EnableAttenuation(0.25f);
        attenuated.Apply();
        EXPECT_EQ(LightHeld(GL_CONSTANT_ATTENUATION, 1), std::vector<float>{specular});
    }
}

}  // namespace
