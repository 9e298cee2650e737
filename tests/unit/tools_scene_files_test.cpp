// The scene files of the show: the writer's text read back by the engine's readers lands
// where it was built, every object the production names exists, shadow casters are
// closed, the water lies on the mirror plane, and each part stays within its triangles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

#include "console/log.h"
#include "production/content.h"
#include "scene/drawing.h"
#include "scene/material.h"
#include "scene/material_file.h"
#include "tools/data/camera_path.h"
#include "tools/data/content_folder.h"
#include "tools/data/mesh_shapes.h"
#include "tools/data/scenes/layout.h"
#include "tools/data/scenes/scenes.h"
#include "tools_scene_reading.h"

using namespace tools::data;
using scene::Vector;
using tools_scene_testing::OpenFaces;
using tools_scene_testing::ReadBack;

namespace {

namespace content = production::content;

constexpr int kTriangleBudget = 20000;
// The fires and flares drawn as two-triangle sprites in the parts with particles:
// ten torch fires of 30, the large fire of 1000, ten glows.
constexpr int kParticleTriangles = 2 * (10 * 30 + 1000 + 10);

TEST(SceneWriter, WhatItWritesTheEngineReadsBackInPlace) {
    testing_support::TempFolder temp;
    console::StartLog("Torvan.log");
    scene::drawing.MaterialTable.clear();
    SceneDraft draft;
    draft.basePath = "Data\\Test\\test";
    draft.placement = {100.0f, Vector(0, 0, 1000)};
    MaterialDraft leaf("Test leaf");
    leaf.shader = "Leaf";
    leaf.color = {255, 128, 0};
    leaf.opacity = 40;
    leaf.selfIllumination = 0.25f;
    leaf.glossiness = 50;
    leaf.specular = 200;
    draft.AddMaterial(MaterialDraft("Test plain"));
    draft.AddObject("Ball", draft.AddMaterial(leaf),
                    Transformed(Sphere(30, 8), TurnX(30, Vector(123, -45, 1678))));
    ContentFolder folder(temp.path(), nullptr);
    WriteScene(folder, draft);

    scene::MaterialRemap remap;
    scene::ReadMaterialFile(draft.basePath, remap);
    ASSERT_EQ(scene::drawing.MaterialTable.size(), 2u);
    const scene::Material& m = scene::drawing.MaterialTable[1];
    EXPECT_EQ(m.name, " Test leaf");
    EXPECT_EQ(m.shaderType, "Leaf");
    EXPECT_FLOAT_EQ(m.diffuse.y, 128 / 255.0f);
    EXPECT_FLOAT_EQ(m.opacity, 40);
    EXPECT_FLOAT_EQ(m.selfIllumination, 0.25f);
    EXPECT_FLOAT_EQ(m.specular.x, 200 / 256.0f * 0.5f);
    EXPECT_FALSE(m.diffuseMap.Present());

    scene::WordReader in;
    ASSERT_TRUE(in.Open(draft.basePath + ".m3f"));
    scene::Scene read;
    scene::ReadMeshFile(in, draft.placement, remap, read);
    ASSERT_EQ(read.meshes.size(), 1u);
    const scene::Mesh& mesh = read.meshes[0];
    const MeshData& built = draft.objects[0].mesh;
    EXPECT_EQ(mesh.name, "Ball");
    EXPECT_EQ(mesh.materialIndex, 1);
    ASSERT_EQ(mesh.vertices.size(), built.vertices.size());
    for (size_t i = 0; i < built.vertices.size(); ++i) {
        EXPECT_NEAR((mesh.vertices[i].position - built.vertices[i].position).Length(), 0, 0.01f);
        EXPECT_NEAR(mesh.vertices[i].normal.Dot(built.vertices[i].normal), 1, 1e-5f);
    }
    ASSERT_EQ(mesh.faces.size(), built.faces.size());
    for (size_t i = 0; i < built.faces.size(); ++i) {
        const MeshFace& face = built.faces[i];
        auto at = [&](int k) { return built.vertices[size_t(face.index[size_t(k)])].position; };
        Vector outward = Unit((at(1) - at(0)).Cross(at(2) - at(0)));
        EXPECT_NEAR(mesh.faces[i].normal.Dot(outward), 1, 1e-4f) << "face " << i;
        // The corners come back in the order a, c, b, each with its texture coordinates.
        EXPECT_EQ(mesh.faces[i].index[1], face.index[2]);
        EXPECT_FLOAT_EQ(mesh.faces[i].u[1], face.u[2]);
        EXPECT_FLOAT_EQ(mesh.faces[i].v[2], face.v[1]);
    }
    EXPECT_EQ(OpenFaces(mesh), 0);
}

// The show's scenes, built once and read back the way the production loads them.
class ShowScenes : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new testing_support::TempFolder();
        console::StartLog("Torvan.log");
        drafts_ = new std::vector<SceneDraft>(AllScenes());
        read_ = new std::map<std::string, scene::Scene>();
        const char* into[] = {"main", "main", "main", "hall", "wood", "keyroom"};
        for (size_t i = 0; i < drafts_->size(); ++i) {
            ReadBack((*drafts_)[i], *folder_, (*read_)[into[i]]);
        }
    }
    static void TearDownTestSuite() {
        delete read_;
        delete drafts_;
        delete folder_;
    }

    static scene::Scene& Read(const std::string& which) { return (*read_)[which]; }
    static const scene::Mesh& MeshOf(const std::string& which, const std::string& object) {
        scene::SceneObject* found = Read(which).FindObject(object);
        EXPECT_NE(found, nullptr) << object;
        return Read(which).meshes[size_t(found ? found->meshIndex : 0)];
    }

    static testing_support::TempFolder* folder_;
    static std::vector<SceneDraft>* drafts_;
    static std::map<std::string, scene::Scene>* read_;
};

testing_support::TempFolder* ShowScenes::folder_ = nullptr;
std::vector<SceneDraft>* ShowScenes::drafts_ = nullptr;
std::map<std::string, scene::Scene>* ShowScenes::read_ = nullptr;

TEST_F(ShowScenes, EveryObjectThePartsNameExists) {
    for (const char* name : content::kRingObjects) {
        EXPECT_NE(Read("main").FindObject(name), nullptr) << name;
    }
    for (const char* name : content::kLogoObjects) {
        EXPECT_NE(Read("main").FindObject(name), nullptr) << name;
    }
    for (const char* name : {content::kWaterSurface, content::kWaterFilm}) {
        EXPECT_NE(Read("keyroom").FindObject(name), nullptr) << name;
    }
    for (const char* which : {"main", "hall", "wood", "keyroom"}) {
        for (const scene::Mesh& mesh : Read(which).meshes) {
            EXPECT_FALSE(mesh.faces.empty()) << mesh.name;
        }
    }
}

TEST_F(ShowScenes, TheLargeFireRingSitsWhereTheFireIsLit) {
    const scene::Mesh& ring = MeshOf("main", content::kFireEmitter);
    Vector sum(0, 0, 0);
    for (const scene::Vertex& vertex : ring.vertices) {
        sum = sum + vertex.position;
    }
    Vector centre = sum * (1.0f / static_cast<float>(ring.vertices.size()));
    EXPECT_LT((centre - Vector(0, -10, -10)).Length(), 1.0f);
}

bool Flat(const scene::Mesh& mesh) {
    for (const scene::Face& face : mesh.faces) {
        if (face.normal.Dot(mesh.faces[0].normal) < 0.9999f) {
            return false;
        }
    }
    return true;
}

// Faces of pieces (faces joined by shared edges) that are open at some edge and bent at
// another: there a light can find a silhouette without a closed volume behind it.
int OpenAndBent(const scene::Mesh& mesh) {
    std::vector<int> piece(mesh.faces.size(), -1);
    int count = 0;
    for (size_t start = 0; start < mesh.faces.size(); ++start) {
        if (piece[start] >= 0) {
            continue;
        }
        std::vector<size_t> members = {start}, todo = {start};
        piece[start] = static_cast<int>(start);
        bool open = false, bent = false;
        while (!todo.empty()) {
            const scene::Face& face = mesh.faces[todo.back()];
            todo.pop_back();
            for (int32_t other : face.neighbour) {
                open = open || other < 0;
                if (other < 0) {
                    continue;
                }
                bent = bent || face.normal.Dot(mesh.faces[size_t(other)].normal) < 0.9999f;
                if (piece[size_t(other)] < 0) {
                    piece[size_t(other)] = static_cast<int>(start);
                    members.push_back(size_t(other));
                    todo.push_back(size_t(other));
                }
            }
        }
        count += open && bent ? static_cast<int>(members.size()) : 0;
    }
    return count;
}

TEST_F(ShowScenes, EverythingThatCastsShadowsIsClosed) {
    for (const char* which : {"hall", "keyroom"}) {
        for (const scene::Mesh& mesh : Read(which).meshes) {
            EXPECT_EQ(OpenAndBent(mesh), 0) << which << " " << mesh.name;
        }
    }
    for (const char* caster : {"Key", "Table", "Columns", "Braziers"}) {
        const scene::Mesh& mesh = MeshOf("keyroom", caster);
        EXPECT_FALSE(Flat(mesh)) << caster;
        EXPECT_EQ(OpenFaces(mesh), 0) << caster;
    }
    EXPECT_EQ(OpenFaces(MeshOf("hall", "Column1")), 0);
    // The walls are open, flat sheets; the test must tell them from bent open pieces.
    EXPECT_GT(OpenFaces(MeshOf("hall", "Walls")), 0);
    scene::Mesh bent = MeshOf("hall", "Column1");
    bent.faces[0].neighbour[0] = -1;
    EXPECT_GT(OpenAndBent(bent), 0);
}

TEST_F(ShowScenes, TheWaterLiesOnTheMirrorPlane) {
    const scene::Mesh& water = MeshOf("keyroom", content::kWaterSurface);
    for (const scene::Vertex& vertex : water.vertices) {
        EXPECT_EQ(vertex.position.y, content::kWaterLevel);
        EXPECT_NEAR(vertex.normal.y, 1.0f, 1e-6f);
    }
    for (const scene::Vertex& vertex : MeshOf("keyroom", content::kWaterFilm).vertices) {
        EXPECT_GT(vertex.position.y, content::kWaterLevel);
        EXPECT_LT(vertex.position.y, 16.0f);
    }
}

// Whether some vertex of `mesh` lies on the vertical line through `fire`, less than `below`
// under it.
bool StandsUnder(const scene::Mesh& mesh, const Vector& fire, float below) {
    for (const scene::Vertex& vertex : mesh.vertices) {
        const Vector& p = vertex.position;
        if (std::fabs(p.x - fire.x) < 0.05f && std::fabs(p.z - fire.z) < 0.05f && p.y < fire.y &&
            p.y > fire.y - below) {
            return true;
        }
    }
    return false;
}

TEST_F(ShowScenes, ATorchBowlStandsUnderEachFire) {
    int inRoom = 0;
    for (const Vector& fire : layout::kFires) {
        EXPECT_TRUE(StandsUnder(MeshOf("main", "Torches"), fire, 10)) << fire.x << " " << fire.z;
        if (std::fabs(fire.z) < layout::kKeyRoomHalfSize) {
            ++inRoom;
            EXPECT_TRUE(StandsUnder(MeshOf("keyroom", "Braziers"), fire, 10)) << fire.x;
        }
    }
    EXPECT_EQ(inRoom, 8);
}

// Triangles of the visible objects, with `hidden` objects left out.
int Triangles(scene::Scene& scene, const std::vector<std::string>& hidden = {}) {
    int count = 0;
    for (const scene::SceneObject& object : scene.objects) {
        if (std::find(hidden.begin(), hidden.end(), object.name) == hidden.end()) {
            count += static_cast<int>(scene.meshes[size_t(object.meshIndex)].faces.size());
        }
    }
    return count;
}

// Triangles of the shadow volumes for a light at `light`: two quads (front and back pass)
// of two triangles per silhouette edge, as the shadow drawing finds them.
int ShadowTriangles(scene::Scene& scene, const Vector& light) {
    int edges = 0;
    for (scene::Mesh& mesh : scene.meshes) {
        for (scene::Face& face : mesh.faces) {
            face.facing =
                (light - mesh.vertices[size_t(face.index[0])].position).Dot(face.normal) >= 0;
        }
        for (const scene::Face& face : mesh.faces) {
            for (int32_t other : face.neighbour) {
                edges += face.facing && other >= 0 && !mesh.faces[size_t(other)].facing;
            }
        }
    }
    return 4 * edges;
}

TEST_F(ShowScenes, EachPartDrawsWithinItsTriangleBudget) {
    std::vector<std::string> rings(std::begin(content::kRingObjects),
                                   std::end(content::kRingObjects));
    std::vector<std::string> logos = {"Lumo", "DevHub"};
    std::vector<std::string> all = rings;
    all.insert(all.end(), logos.begin(), logos.end());
    scene::Scene& main = Read("main");
    EXPECT_LE(Triangles(main, all), kTriangleBudget) << "part 0";
    EXPECT_LE(Triangles(main, logos) + kParticleTriangles, kTriangleBudget) << "parts 1, 12";
    EXPECT_LE(Triangles(main, rings), kTriangleBudget) << "parts 2, 13";
    EXPECT_LE(Triangles(Read("wood")), kTriangleBudget) << "parts 5 to 7";

    // The hall's light leads the camera; the key room's circles the key.
    std::vector<production::CameraKey> path = ShowCameraPath();
    int hallShadows = 0, roomShadows = 0;
    for (int second = 54; second <= 87; ++second) {
        const production::CameraKey& key = path[size_t(second)];
        Vector light(key.x + 600, key.y + 50, key.z);
        hallShadows = std::max(hallShadows, ShadowTriangles(Read("hall"), light));
    }
    for (int second = 123; second <= 174; ++second) {
        float t = static_cast<float>(second);
        Vector light(60 * std::sin(t), 30 * std::sin(1 / t) + 40, 60 * std::cos(t));
        roomShadows = std::max(roomShadows, ShadowTriangles(Read("keyroom"), light));
    }
    EXPECT_GT(hallShadows, 0);
    EXPECT_GT(roomShadows, 0);
    EXPECT_LE(Triangles(Read("hall")) + hallShadows, kTriangleBudget) << "parts 3, 4";
    // The room twice (mirrored and real), the water mask, the surface and the film again.
    scene::Scene& room = Read("keyroom");
    int water = static_cast<int>(MeshOf("keyroom", content::kWaterSurface).faces.size());
    int film = static_cast<int>(MeshOf("keyroom", content::kWaterFilm).faces.size());
    EXPECT_LE(2 * Triangles(room) + 2 * water + film + roomShadows + kParticleTriangles,
              kTriangleBudget)
        << "parts 8 to 10";
}

TEST(ShowSceneFiles, TwoRunsWriteTheSameText) {
    std::vector<SceneDraft> first = AllScenes();
    std::vector<SceneDraft> second = AllScenes();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(MeshFileText(first[i]), MeshFileText(second[i])) << first[i].basePath;
        EXPECT_EQ(MaterialFileText(first[i]), MaterialFileText(second[i]));
    }
}

}  // namespace
