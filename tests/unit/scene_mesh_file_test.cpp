// The mesh file: meshes and objects, the coordinate conversion, bad counts and indices.
#include <gtest/gtest.h>

#include <string>

#include "console/log.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "support/temp_folder.h"

namespace {

using scene::Scene;
using scene::Vector;

const char kFloor[] =
    "TOTAL = 1\nMESH Floor01\nMatID 0\nNumVerts 4\n"
    "0 0 0 0 0 1\n10 0 0 0 0 1\n10 10 0 0 0 1\n0 10 0 0 0 1\n"
    "NumFace 2\n1 2 3 0 0 1 0 1 1 0 0 1\n1 3 4 0 0 1 1 0 1 0 0 1\n";

class MeshFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        scene::MaterialTable.clear();
        console::StartLog("Torvan.log");
    }
    void Read(const std::string& contents, Scene& scene, const scene::MaterialRemap& remap = {},
              scene::Placement placement = {}) {
        folder.Write("m.m3f", contents);
        scene::WordReader in;
        ASSERT_TRUE(in.Open("m.m3f"));
        scene::ReadMeshFile(in, placement, remap, scene);
    }
    std::string Log() const { return folder.Read("Torvan.log"); }

    testing_support::TempFolder folder;
};

void ExpectVector(const Vector& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

TEST_F(MeshFileTest, TheExampleFileGivesOneMeshAndItsObject) {
    Scene scene;
    Read(kFloor, scene);
    ASSERT_EQ(scene.meshes.size(), 1u);
    ASSERT_EQ(scene.objects.size(), 1u);
    const scene::Mesh& mesh = scene.meshes[0];
    EXPECT_EQ(mesh.name, "Floor01");
    EXPECT_EQ(mesh.materialIndex, -1) << "no material file, no remap";
    EXPECT_EQ(mesh.displayList, -1);
    ASSERT_EQ(mesh.vertices.size(), 4u);
    ExpectVector(mesh.vertices[1].position, -10, 0, 0);
    ExpectVector(mesh.vertices[3].position, 0, 0, 10);
    ExpectVector(mesh.vertices[0].normal, 0, 1, 0);
    ExpectVector(mesh.vertices[0].color, 1, 1, 1);
    EXPECT_FLOAT_EQ(mesh.vertices[0].color.w, 1.0f);
    EXPECT_EQ(mesh.vertices[0].animation, -1);
    ASSERT_EQ(mesh.faces.size(), 2u);
    const scene::Face& f = mesh.faces[1];
    EXPECT_EQ(f.index[0], 0);
    EXPECT_EQ(f.index[1], 2);
    EXPECT_EQ(f.index[2], 3);
    EXPECT_FLOAT_EQ(f.u[0], 0);
    EXPECT_FLOAT_EQ(f.v[0], 0);
    EXPECT_FLOAT_EQ(f.u[1], 1);
    EXPECT_FLOAT_EQ(f.v[1], 1);
    EXPECT_FLOAT_EQ(f.u[2], 0);
    EXPECT_FLOAT_EQ(f.v[2], 1);
    // (c - a) x (b - a): opposite to the winding's right-hand normal.
    ExpectVector(f.normal, 0, -1, 0);
    EXPECT_FALSE(f.flat);
    // The shared corners 0 and 2: edge 0 -> 2 of the first face is edge 2 -> 0 of the second.
    EXPECT_EQ(mesh.faces[0].neighbour[2], 1);
    EXPECT_EQ(mesh.faces[1].neighbour[0], 0);
    EXPECT_EQ(mesh.faces[0].neighbour[0], -1);
    const scene::SceneObject& object = scene.objects[0];
    EXPECT_EQ(object.meshIndex, 0);
    EXPECT_EQ(object.name, "Floor01");
    EXPECT_TRUE(object.visible);
    ExpectVector(object.position, 0, 0, 0);
    EXPECT_EQ(object.orientation.w, 0.0f);
}

TEST_F(MeshFileTest, PositionsAreScaledTurnedAndMovedNormalsTurnedAndNormalised) {
    Scene scene;
    Read(
        "TOTAL = 1\nMESH M\nMatID 0\nNumVerts 3\n1 2 3 1 0 0\n0 0 0 0 0 2\n0 0 0 0 0 0\n"
        "NumFace 0\n",
        scene, {}, {100.0f, Vector(0, 0, 1000)});
    const auto& v = scene.meshes[0].vertices;
    ExpectVector(v[0].position, -100, 300, 1200);
    ExpectVector(v[0].normal, -1, 0, 0);
    ExpectVector(v[1].normal, 0, 1, 0);
    ExpectVector(v[2].normal, 0, 0, 0);
}

TEST_F(MeshFileTest, MaterialNumbersGoThroughTheRemap) {
    scene::MaterialTable.resize(3);
    scene::MaterialTable[2].diffuse = Vector(0.5f, 0.25f, 1, 0.75f);
    scene::MaterialRemap remap;
    remap.Create(2);
    remap.Set(1, 2);
    Scene scene;
    Read(
        "TOTAL = 3\nMESH A\nMatID 1\nNumVerts 1\n0 0 0 0 1 0\nNumFace 0\n"
        "MESH B\nMatID 9\nNumVerts 0\nNumFace 0\nMESH C\nMatID 0\nNumVerts 0\nNumFace 0\n",
        scene, remap);
    ASSERT_EQ(scene.meshes.size(), 3u);
    EXPECT_EQ(scene.meshes[0].materialIndex, 2);
    EXPECT_FLOAT_EQ(scene.meshes[0].vertices[0].color.w, 0.75f);
    EXPECT_EQ(scene.meshes[1].materialIndex, -1);
    EXPECT_EQ(scene.meshes[2].materialIndex, -1) << "an entry that no material set";
    EXPECT_NE(Log().find("Mesh B in m.m3f: material number 9 names no material"),
              std::string::npos);
}

TEST_F(MeshFileTest, FindObjectFindsTheFirstOfANameAcrossFiles) {
    Scene scene;
    Read(kFloor, scene);
    Read(kFloor, scene);
    ASSERT_EQ(scene.objects.size(), 2u);
    EXPECT_EQ(scene.objects[1].meshIndex, 1);
    EXPECT_EQ(scene.FindObject("Floor01"), &scene.objects[0]);
    EXPECT_EQ(scene.FindObject("floor01"), nullptr);
    EXPECT_EQ(scene.FindObject("Floor0"), nullptr);
}

TEST_F(MeshFileTest, FacesNamingNoVertexAreDropped) {
    Scene scene;
    Read(
        "TOTAL = 1\nMESH M\nMatID 0\nNumVerts 3\n0 0 0 0 1 0\n1 0 0 0 1 0\n0 0 1 0 1 0\n"
        "NumFace 4\n1 2 3 0 0 0 0 0 0 0 0 0\n0 1 2 0 0 0 0 0 0 0 0 0\n"
        "1 2 4 0 0 0 0 0 0 0 0 0\n-5 2 3 0 0 0 0 0 0 0 0 0\n",
        scene);
    ASSERT_EQ(scene.meshes[0].faces.size(), 1u);
    EXPECT_NE(Log().find("Mesh M in m.m3f: 3 faces with vertex numbers outside 1..3 dropped"),
              std::string::npos);
}

TEST_F(MeshFileTest, NoMeshesForANonPositiveOrMissingCount) {
    Scene scene;
    Read("TOTAL = 0\nMESH A\nMatID 0\nNumVerts 0\nNumFace 0\n", scene);
    Read("TOTAL = -4\nMESH A\n", scene);
    Read("nothing here", scene);
    EXPECT_TRUE(scene.meshes.empty());
}

// A count beyond the end of the file reads what is there and keeps it; nothing is sized
// from the count itself.
TEST_F(MeshFileTest, CountsBeyondTheFileKeepTheRecordsPresent) {
    const char kVertex[] = "0 0 0 0 1 0\n";
    const char kFace[] = "1 1 1 0 0 0 0 0 0 0 0 1\n";
    struct Case {
        std::string text;
        size_t meshes, vertices, faces;
    };
    const Case cases[] = {
        {std::string("TOTAL = 50\n") + (kFloor + std::string(kFloor).find('\n') + 1), 1, 4, 2},
        {"TOTAL = 1000000000\nMESH A\nMatID 0\nNumVerts 0\nNumFace 0\n", 1, 0, 0},
        {"TOTAL = 1\nMESH V\nMatID 0\nNumVerts 2000000000\n" + std::string(kVertex) + "0 0 0 0", 1,
         1, 0},
        {"TOTAL = 1\nMESH F\nMatID 0\nNumVerts 1\n" + std::string(kVertex) + "NumFace 4\n" + kFace +
             kFace + kFace + "1 1 1 0",
         1, 1, 3},
        {"TOTAL = 1\nMESH N\nMatID 0\nNumVerts -1\nNumFace -7\n", 1, 0, 0},
    };
    for (const Case& c : cases) {
        Scene scene;
        Read(c.text, scene);
        ASSERT_EQ(scene.meshes.size(), c.meshes) << c.text;
        EXPECT_EQ(scene.meshes[0].vertices.size(), c.vertices) << c.text;
        EXPECT_EQ(scene.meshes[0].faces.size(), c.faces) << c.text;
    }
}

TEST_F(MeshFileTest, ATruncatedFileKeepsTheMeshBeingRead) {
    Scene scene;
    std::string text = kFloor;
    std::string twoMeshes = "TOTAL = 2" + text.substr(text.find('\n')) + "MESH Second\nMatID";
    Read(twoMeshes, scene);
    ASSERT_EQ(scene.meshes.size(), 2u);
    EXPECT_EQ(scene.meshes[0].faces.size(), 2u);
    EXPECT_EQ(scene.meshes[1].name, "Second");
    EXPECT_TRUE(scene.meshes[1].vertices.empty());
    EXPECT_NE(Log().find("Unexpected end of file m.m3f"), std::string::npos);

    Read(text.substr(0, text.find("NumFace")), scene);
    ASSERT_EQ(scene.meshes.size(), 3u);
    EXPECT_EQ(scene.meshes[2].vertices.size(), 4u);
    EXPECT_TRUE(scene.meshes[2].faces.empty());
}

}  // namespace
