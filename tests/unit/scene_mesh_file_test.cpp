// The mesh file: meshes and objects, the coordinate conversion, bad counts and indices.
#include <gtest/gtest.h>

#include <tuple>

#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "scene/mesh_file.h"
#include "scene/scene.h"
#include "support/process_test.h"

namespace {

using scene::Scene;
using scene::Vector;

const std::string kFloorMesh =
    "MESH Floor01\nMatID 0\nNumVerts 4\n"
    "0 0 0 0 0 1\n10 0 0 0 0 1\n10 10 0 0 0 1\n0 10 0 0 0 1\n"
    "NumFace 2\n1 2 3 0 0 1 0 1 1 0 0 1\n1 3 4 0 0 1 1 0 1 0 0 1\n";
const std::string kFloor = "TOTAL = 1\n" + kFloorMesh;

class MeshFileTest : public testing_support::ProcessTest {
protected:
    // Reads `contents` as m.m3f into `scene`.
    void Read(const std::string& contents, const scene::MaterialRemap& remap = {},
              scene::Placement placement = {}) {
        folder.Write("m.m3f", contents);
        scene::WordReader in;
        ASSERT_TRUE(in.Open("m.m3f"));
        scene::ReadMeshFile(in, placement, remap, scene);
    }

    Scene scene;
};

void ExpectVector(const Vector& v, float x, float y, float z) {
    EXPECT_EQ(v.Components(), Vector(x, y, z, v.w).Components());
}

TEST_F(MeshFileTest, TheExampleFileGivesOneMeshAndItsObject) {
    Read(kFloor);
    Read(kFloor);
    ASSERT_EQ(scene.meshes.size(), 2u);
    ASSERT_EQ(scene.objects.size(), 2u);
    const scene::Mesh& mesh = scene.meshes[0];
    EXPECT_EQ(mesh.name, "Floor01");
    ASSERT_EQ(mesh.vertices.size(), 4u);
    ExpectVector(mesh.vertices[1].position, -10, 0, 0);
    ExpectVector(mesh.vertices[3].position, 0, 0, 10);
    ExpectVector(mesh.vertices[0].normal, 0, 1, 0);
    EXPECT_EQ(mesh.vertices[0].color.Components(), Vector(1, 1, 1, 1).Components());
    ASSERT_EQ(mesh.faces.size(), 2u);
    const scene::Face& f = mesh.faces[1];
    EXPECT_EQ(std::vector<int>(f.index, f.index + 3), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(std::vector<float>(f.u, f.u + 3), (std::vector<float>{0, 1, 0}));
    EXPECT_EQ(std::vector<float>(f.v, f.v + 3), (std::vector<float>{0, 1, 1}));
    // (c - a) x (b - a): opposite to the winding's right-hand normal.
    ExpectVector(f.normal, 0, -1, 0);
    EXPECT_EQ(scene.objects[1].meshIndex, 1);
    EXPECT_TRUE(scene.objects[0].visible);
    EXPECT_EQ(scene.FindObject("Floor01"), &scene.objects[0]) << "the first of a name";
    EXPECT_EQ(scene.FindObject("floor01"), nullptr);
}

TEST_F(MeshFileTest, PositionsAreScaledTurnedAndMovedNormalsTurnedAndNormalised) {
    Read(
        "TOTAL = 1\nMESH M\nMatID 0\nNumVerts 3\n1 2 3 1 0 0\n0 0 0 0 0 2\n0 0 0 0 0 0\n"
        "NumFace 0\n",
        {}, {100.0f, Vector(0, 0, 1000)});
    const auto& v = scene.meshes[0].vertices;
    ExpectVector(v[0].position, -100, 300, 1200);
    ExpectVector(v[0].normal, -1, 0, 0);
    ExpectVector(v[1].normal, 0, 1, 0);
    ExpectVector(v[2].normal, 0, 0, 0);
}

TEST_F(MeshFileTest, MaterialNumbersGoThroughTheRemap) {
    scene::drawing.MaterialTable.resize(3);
    scene::drawing.MaterialTable[2].diffuse = Vector(0.5f, 0.25f, 1, 0.75f);
    scene::MaterialRemap remap;
    remap.Create(2);
    remap.Set(1, 2);
    Read(
        "TOTAL = 3\nMESH A\nMatID 1\nNumVerts 1\n0 0 0 0 1 0\nNumFace 0\n"
        "MESH B\nMatID 9\nNumVerts 0\nNumFace 0\nMESH C\nMatID 0\nNumVerts 0\nNumFace 0\n",
        remap);
    ASSERT_EQ(scene.meshes.size(), 3u);
    // C's number 0 is an entry of the remap that no material set.
    EXPECT_EQ((std::vector<int>{scene.meshes[0].materialIndex, scene.meshes[1].materialIndex,
                                scene.meshes[2].materialIndex}),
              (std::vector<int>{2, -1, -1}));
    EXPECT_FLOAT_EQ(scene.meshes[0].vertices[0].color.w, 0.75f);
    EXPECT_NE(Log().find("Mesh B in m.m3f: material number 9 names no material"),
              std::string::npos);
}

// Damaged files keep the records present: nothing is sized from a count, faces naming no
// vertex are dropped, and a file cut short keeps the mesh being read.
TEST_F(MeshFileTest, DamagedFilesKeepTheRecordsPresent) {
    const std::string vertex = "0 0 0 0 1 0\n", face = "1 1 1 0 0 0 0 0 0 0 0 1\n";
    const std::string zeros = " 0 0 0 0 0 0 0 0 0\n";
    // The file, the meshes read, the last one's vertices and faces, and the log line.
    const std::tuple<std::string, size_t, size_t, size_t, const char*> cases[] = {
        {"TOTAL = 0\n" + kFloorMesh, 0, 0, 0, ""},
        {"nothing here", 0, 0, 0, "Unexpected end of file m.m3f"},
        {"TOTAL = 50\n" + kFloorMesh, 1, 4, 2, "Unexpected end of file m.m3f"},
        {"TOTAL = 1000000000\nMESH A\nMatID 0\nNumVerts 0\nNumFace 0\n", 1, 0, 0, ""},
        {"TOTAL = 1\nMESH V\nMatID 0\nNumVerts 2000000000\n" + vertex + "0 0 0 0", 1, 1, 0,
         "Unexpected end of file m.m3f"},
        {"TOTAL = 1\nMESH F\nMatID 0\nNumVerts 1\n" + vertex + "NumFace 4\n" + face + face + face +
             "1 1 1 0",
         1, 1, 3, "Unexpected end of file m.m3f"},
        {"TOTAL = 1\nMESH M\nMatID 0\nNumVerts 3\n" + vertex + vertex + vertex +
             "NumFace 4\n1 2 3" + zeros + "0 1 2" + zeros + "1 2 4" + zeros + "-5 2 3" + zeros,
         1, 3, 1, "Mesh M in m.m3f: 3 faces with vertex numbers outside 1..3 dropped"},
        {"TOTAL = 2\n" + kFloorMesh + "MESH Second\nMatID", 2, 0, 0,
         "Unexpected end of file m.m3f"},
    };
    for (const auto& [text, meshes, vertices, faces, logLine] : cases) {
        SCOPED_TRACE(text);
        scene = Scene();
        size_t logged = Log().size();
        Read(text);
        ASSERT_EQ(scene.meshes.size(), meshes);
        if (meshes > 0) {
            EXPECT_EQ(scene.meshes.back().vertices.size(), vertices);
            EXPECT_EQ(scene.meshes.back().faces.size(), faces);
        }
        EXPECT_NE(Log().find(logLine, logged), std::string::npos);
    }
}

}  // namespace
