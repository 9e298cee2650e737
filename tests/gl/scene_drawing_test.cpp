// Material state, lights and the scene drawing on a real context, read back as state
// and pixels.
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

TEST_F(SceneDrawing, LeafMaterialsTestAlphaAndOthersPassEverything) {
    scene::Material leaf = scene::drawing.DefaultMaterial;
    leaf.shaderType = "Leaf";
    scene::ApplyMaterial(leaf);
    GLint function;
    GLfloat reference;
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &function);
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    EXPECT_EQ(function, GL_GREATER);
    EXPECT_NEAR(reference, 200.0f / 255.0f, 1e-6);
    scene::Material leafy = leaf;
    leafy.shaderType = "leaf";
    scene::ApplyMaterial(leafy);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &function);
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    EXPECT_EQ(function, GL_ALWAYS);
    EXPECT_EQ(reference, 0.0f);
}

TEST_F(SceneDrawing, MaterialColoursAndOpacityReachTheFixedFunction) {
    scene::Material m = scene::drawing.DefaultMaterial;
    m.ambient = Vector(0.1f, 0.2f, 0.3f, 1);
    m.diffuse = Vector(0.5f, 0.25f, 1, 1);
    m.specular = Vector(0.5f, 0.5f, 0.5f, 0.5f);
    m.selfIllumination = 0.25f;
    m.glossiness = 40;
    m.opacity = 50;
    scene::ApplyMaterial(m);
    EXPECT_FLOAT_EQ(m.diffuse.w, 0.5f);
    GLfloat value[4];
    glGetFloatv(GL_CURRENT_COLOR, value);
    EXPECT_FLOAT_EQ(value[1], 0.25f);
    EXPECT_FLOAT_EQ(value[3], 0.5f);
    glGetMaterialfv(GL_FRONT, GL_DIFFUSE, value);
    EXPECT_FLOAT_EQ(value[3], 0.5f) << "the diffuse colour follows the current colour";
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, value);
    EXPECT_FLOAT_EQ(value[2], 0.3f);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, value);
    EXPECT_FLOAT_EQ(value[3], 0.5f);
    glGetMaterialfv(GL_FRONT, GL_EMISSION, value);
    EXPECT_FLOAT_EQ(value[0], 0.25f);
    EXPECT_FLOAT_EQ(value[3], 1.0f);
    glGetMaterialfv(GL_BACK, GL_SHININESS, value);
    EXPECT_FLOAT_EQ(value[0], 40.0f);
}

TEST_F(SceneDrawing, WithoutMultitextureAReflectionMapIsSphereMapped) {
    render::renderer.multitexture = false;
    scene::Material m = scene::drawing.DefaultMaterial;
    MakeChecker(m.reflectionMap);
    scene::ApplyMaterial(m);
    GLint bound;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, m.reflectionMap.glName);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_T));

    MakeChecker(m.diffuseMap);
    scene::ApplyMaterial(m);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, m.diffuseMap.glName) << "the diffuse map comes first";
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));

    scene::ApplyMaterial(scene::drawing.DefaultMaterial);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, m.diffuseMap.glName) << "no map leaves the texture bound";
}

TEST_F(SceneDrawing, ALightSendsOnlyWhatWasSet) {
    scene::Light first;
    first.SetPosition(Vector(1, 2, 3, 1));
    first.SetAmbient(0.1f, 0.2f, 0.3f, 1);
    first.SetSpecular(1, 1, 1, 1);
    first.EnableAttenuation(0);
    first.Apply();
    scene::Light second;
    second.SetDiffuse(0.5f, 0.5f, 0.5f, 1);
    second.Apply();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    GLfloat value[4];
    glGetLightfv(GL_LIGHT0, GL_AMBIENT, value);
    EXPECT_FLOAT_EQ(value[2], 0.3f) << "kept from the first light";
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, value);
    EXPECT_FLOAT_EQ(value[0], 0.5f);
    glGetLightfv(GL_LIGHT0, GL_POSITION, value);
    EXPECT_FLOAT_EQ(value[1], 2.0f) << "the position the first light sent";
    glGetLightfv(GL_LIGHT0, GL_CONSTANT_ATTENUATION, value);
    EXPECT_FLOAT_EQ(value[0], 1.0f);
    EXPECT_FLOAT_EQ(second.Position().w, 1.0f);
    EXPECT_FALSE(second.hasPosition);
}

TEST_F(SceneDrawing, RenderOneObjectDrawsOnlyThatObject) {
    int32_t red = AddMaterial(Vector(1, 0, 0, 1));
    for (float x : {-3.0f, 0.0f, 3.0f}) {
        AddObject(Square(Vector(x, 0, 0), red));
    }
    std::vector<uint8_t> all = Draw();
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

TEST_F(SceneDrawing, FacesAreMarkedFacingTheFirstLight) {
    AddObject(Square(Vector(0, 0, 0), -1));
    scene.lights[0].SetPosition(Vector(0, 0, -5, 1));
    Draw();
    EXPECT_FALSE(scene.meshes[0].faces[0].facing);
    scene.lights[0].SetPosition(Vector(0, 0, 5, 1));
    Draw();
    EXPECT_TRUE(scene.meshes[0].faces[1].facing);
}

TEST_F(SceneDrawing, WireFrameDrawsLines) {
    AddObject(Square(Vector(0, 0, 0), -1));
    console::settings.render_WireFrame = true;
    Draw();
    GLint mode[2];
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_FALSE(Lit(PixelAt(width / 2 + 20, height / 2 - 20))) << "inside the square is empty";
    console::settings.render_WireFrame = false;
    Draw();
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_TRUE(Lit(PixelAt(width / 2 + 20, height / 2 - 20)));
}

TEST_F(SceneDrawing, TheLandscapeSwitchesChangeNothing) {
    AddObject(Square(Vector(0, 0, 0), AddMaterial(Vector(0, 0, 1, 1))));
    std::vector<uint8_t> before = Draw();
    console::settings.land_method = 7;
    console::settings.land_node_min_size = 3;
    console::settings.land_draw_quads = true;
    console::settings.render_flush = true;
    console::settings.render_flush_count = 1;
    EXPECT_EQ(Draw(), before);
    EXPECT_TRUE(scene.landscapes.empty());
}

TEST_F(SceneDrawing, AMovedCameraGetsTheFrustumOfTheFrame) {
    scene::Camera camera;
    scene.camera = &camera;
    camera.changeStamp = scene::drawing.triangleBatches.frameStamp - 1;
    Draw();
    EXPECT_EQ(camera.frustum.planes[0][0], 0.0f) << "an unchanged view keeps its planes";
    camera.changeStamp = scene::drawing.triangleBatches.frameStamp;
    Draw();
    EXPECT_NE(camera.frustum.planes[0][0], 0.0f);
}

TEST_F(SceneDrawing, AMeshWithoutAListIsNotDrawn) {
    scene::Mesh mesh = Square(Vector(0, 0, 0), -1);
    render::display.frameStats.trianglesThisFrame = 0;
    EXPECT_FALSE(scene::DrawMesh(mesh));
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 0);
    scene::BuildDisplayList(mesh);
    EXPECT_GT(mesh.displayList, 0);
    EXPECT_TRUE(scene::DrawMesh(mesh));
    EXPECT_EQ(render::display.frameStats.trianglesThisFrame, 2);
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
