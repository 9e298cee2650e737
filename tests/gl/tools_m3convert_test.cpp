// m3convert on models the test writes itself: what the engine's readers load back matches
// what assimp reads from the source, a skinned model moves as assimp's bones place it, the
// model never comes out invisible, the preview shows what the engine draws, and broken
// input is refused with its reason.
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <cmath>
#include <cstring>
#include <functional>
#include <map>
#include <tuple>

#include "scene/material.h"
#include "scene/scene.h"
#include "support/gl_context.h"
#include "support/temp_folder.h"
#include "support/test_models.h"
#include "tools/m3convert/conversion.h"
#include "tools/m3convert/preview.h"

namespace {

using namespace tools::m3convert;
using scene::Vector;
using testing_support::TempFolder;

// A glTF file and its buffer file: accessors 0, 1, ... in the order they are added.
class Gltf {
public:
    template <typename T>
    Gltf& Add(const std::vector<T>& values, const char* type, size_t components) {
        std::string n = std::to_string(values.size() / components);
        accessors_ += ",{\"bufferView\":" + std::to_string(count_++) +
                      ",\"componentType\":" + (sizeof(T) == 4 ? "5126" : "5123") +
                      ",\"count\":" + n + ",\"type\":\"" + type + "\"}";
        views_ += ",{\"buffer\":0,\"byteOffset\":" + std::to_string(buffer_.size()) +
                  ",\"byteLength\":" + std::to_string(values.size() * sizeof(T)) + "}";
        buffer_.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
        buffer_.resize((buffer_.size() + 3) / 4 * 4, '\0');
        return *this;
    }

    // Writes `name`.gltf with `rest` after the buffers and accessors, and `name`.bin.
    void Write(const TempFolder& folder, const std::string& name, const std::string& rest) const {
        folder.Write(name + ".bin", buffer_);
        folder.Write(name + ".gltf", R"({"asset":{"version":"2.0"},"buffers":[{"byteLength":)" +
                                         std::to_string(buffer_.size()) + R"(,"uri":")" + name +
                                         R"(.bin"}],"bufferViews":[)" + views_.substr(1) +
                                         R"(],"accessors":[)" + accessors_.substr(1) + "]," + rest +
                                         "}");
    }

private:
    std::string buffer_, views_, accessors_;
    int count_ = 0;
};

// Two triangles in two materials, on a child node turned and moved under its parent.
void WriteTwoMaterialGltf(const TempFolder& folder) {
    Gltf()
        .Add<float>({0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1}, "VEC3", 3)
        .Add<float>({0, 0, 1, 0, 0, 1, 1, 1}, "VEC2", 2)
        .Add<uint16_t>({0, 1, 2}, "SCALAR", 1)
        .Add<uint16_t>({0, 3, 1}, "SCALAR", 1)
        .Write(folder, "two", R"("scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"name":"Base Plate",
          "mesh":0,"translation":[5,0,-2],"children":[1]},{"name":"Arm","mesh":1,"scale":[2,2,2],
          "rotation":[0,0.7071068,0,0.7071068],"translation":[0,3,0]}],"meshes":[{"primitives":[
          {"attributes":{"POSITION":0,"TEXCOORD_0":1},"indices":2,"material":0}]},{"primitives":[
          {"attributes":{"POSITION":0,"TEXCOORD_0":1},"indices":3,"material":1}]}],"materials":[
          {"name":"Red","pbrMetallicRoughness":{"baseColorFactor":[1,0,0,1]}},
          {"name":"Green","pbrMetallicRoughness":{"baseColorFactor":[0,0.5,0,1]}}])");
}

// The lower joint's rotations and scales at times 0, 1 and 2.
const std::vector<float> kRootTurns = {0, 0, 0, 1, 0, .258819f, 0, .9659258f, 0, .5f, 0, .8660254f};
const std::vector<float> kRootScales(9, 1.0f);

// A column of three vertex rows on two joints: the upper joint bends at times 1 and 2 while
// the lower one moves and turns.
void WriteSkinnedGltf(const TempFolder& folder, const std::string& name = "skinned",
                      const std::vector<float>& rootTurns = kRootTurns,
                      const std::vector<float>& rootScales = kRootScales) {
    Gltf()
        .Add<float>({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0, 2, 0, 1, 2, 0}, "VEC3", 3)
        .Add<uint16_t>({0, 1, 3, 0, 3, 2, 2, 3, 5, 2, 5, 4}, "SCALAR", 1)
        .Add<uint16_t>({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0},
                       "VEC4", 4)
        .Add<float>(
            {1, 0, 0, 0, 1, 0, 0, 0, .4f, .6f, 0, 0, .7f, .3f, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0},
            "VEC4", 4)
        .Add<float>({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0,  0, 1,
                     1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, -1, 0, 1},
                    "MAT4", 16)
        .Add<float>({0, 1, 2}, "SCALAR", 1)
        .Add<float>({0, 0, 0, 1, 0, 0, .3826834f, .9238795f, 0, 0, .7071068f, .7071068f}, "VEC4", 4)
        .Add<float>(rootTurns, "VEC4", 4)
        .Add<float>({0, 0, 0, 0.5f, 0, 0, 0.5f, 0.5f, 0}, "VEC3", 3)
        .Add<float>(rootScales, "VEC3", 3)
        .Write(folder, name, R"("scene":0,"scenes":[{"nodes":[0,1]}],"nodes":[{"name":"Column",
          "mesh":0,"skin":0},{"name":"Root","children":[2]},{"name":"Tip","translation":[0,1,0]}],
          "skins":[{"joints":[1,2],"inverseBindMatrices":4}],"meshes":[{"primitives":[{"attributes":
          {"POSITION":0,"JOINTS_0":2,"WEIGHTS_0":3},"indices":1}]}],"animations":[{"channels":[
          {"sampler":0,"target":{"node":2,"path":"rotation"}},{"sampler":1,"target":{"node":1,
          "path":"rotation"}},{"sampler":2,"target":{"node":1,"path":"translation"}},{"sampler":3,
          "target":{"node":1,"path":"scale"}}],"samplers":[{"input":5,"output":6},{"input":5,
          "output":7},{"input":5,"output":8},{"input":5,"output":9}]}])");
}

constexpr unsigned kSteps = aiProcess_Triangulate | aiProcess_JoinIdenticalVertices;

// Every node's world transform, with the animation's keys of index `key` where it has any.
void Place(const aiScene& s, const aiNode& node, const aiMatrix4x4& parent, int key,
           std::function<void(const aiNode&, const aiMatrix4x4&)> visit) {
    aiMatrix4x4 local = node.mTransformation;
    for (unsigned i = 0; key >= 0 && s.mNumAnimations && i < s.mAnimations[0]->mNumChannels; ++i) {
        const aiNodeAnim& c = *s.mAnimations[0]->mChannels[i];
        if (c.mNodeName == node.mName) {
            // A path the animation leaves alone has one key.
            unsigned p = std::min(unsigned(key), c.mNumPositionKeys - 1);
            unsigned r = std::min(unsigned(key), c.mNumRotationKeys - 1);
            local = aiMatrix4x4({1, 1, 1}, c.mRotationKeys[r].mValue, c.mPositionKeys[p].mValue);
        }
    }
    aiMatrix4x4 world = parent * local;
    visit(node, world);
    for (unsigned i = 0; i < node.mNumChildren; ++i) {
        Place(s, *node.mChildren[i], world, key, visit);
    }
}

void ExpectNear(const Vector& engine, const aiVector3D& source, const std::string& where,
                float tolerance = 1e-4f) {
    EXPECT_NEAR(engine.x, source.x, tolerance) << where;
    EXPECT_NEAR(engine.y, source.y, tolerance) << where;
    EXPECT_NEAR(engine.z, source.z, tolerance) << where;
}

using M3convertTest = testing_support::GlTest;

TEST_F(M3convertTest, EngineLoadsWhatAssimpReadsFromTheSource) {
    testing_support::WriteTexturedBox(folder);
    WriteTwoMaterialGltf(folder);
    // The first node's name as assimp reads it, made one word; whether it has a texture.
    const std::tuple<const char*, const char*, bool> cases[] = {{"box.obj", "Box", true},
                                                                {"two.gltf", "Base_Plate", false}};
    // Corner k of an engine face is corner kFileOrder[k] of the source face.
    const unsigned kFileOrder[3] = {0, 2, 1};
    for (const auto& [input, firstObject, textured] : cases) {
        EXPECT_TRUE(ConvertModel({input, std::string("out/") + input, 1.0f}).warnings.empty());
        scene::Scene engine;
        engine.LoadScene(std::string("out\\") + input, 1.0f, false, 0, Vector(0, 0, 0), {});
        ASSERT_FALSE(engine.objects.empty()) << input;
        EXPECT_EQ(engine.objects[0].name, firstObject);
        EXPECT_EQ(scene::MaterialAt(engine.meshes[0].materialIndex).diffuseMap.Present(), textured);
        Assimp::Importer importer;
        const aiScene* source = importer.ReadFile(input, kSteps);
        ASSERT_TRUE(source) << input;
        size_t next = 0;
        // A structured binding is captured through a named copy.
        auto compare = [&, where = input](const aiNode& node, const aiMatrix4x4& world) {
            for (unsigned m = 0; m < node.mNumMeshes && next < engine.meshes.size(); ++m) {
                const aiMesh& mesh = *source->mMeshes[node.mMeshes[m]];
                const scene::Mesh& loaded = engine.meshes[next++];
                ASSERT_EQ(loaded.faces.size(), mesh.mNumFaces) << where;
                for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
                    for (int k = 0; k < 3; ++k) {
                        unsigned corner = mesh.mFaces[f].mIndices[kFileOrder[k]];
                        const scene::Face& face = loaded.faces[f];
                        ExpectNear(loaded.vertices[size_t(face.index[k])].position,
                                   world * mesh.mVertices[corner], where);
                        ExpectNear(Vector(face.u[k], face.v[k], 0), mesh.mTextureCoords[0][corner],
                                   where, 1e-6f);
                    }
                }
                aiColor4D colour;
                source->mMaterials[mesh.mMaterialIndex]->Get(AI_MATKEY_COLOR_DIFFUSE, colour);
                ExpectNear(scene::MaterialAt(loaded.materialIndex).diffuse,
                           {colour.r, colour.g, colour.b}, where, 0.6f / 255);
            }
        };
        Place(*source, *source->mRootNode, aiMatrix4x4(), -1, compare);
        EXPECT_EQ(next, engine.meshes.size()) << input;
    }
}

TEST_F(M3convertTest, SkinnedModelMovesAsAssimpPlacesItsBones) {
    WriteSkinnedGltf(folder);
    Model model = ConvertModel({"skinned.gltf", "out/skinned", 1.0f});
    ASSERT_TRUE(model.skin);
    ASSERT_EQ(model.skin->frames.size(), 4u) << "the rest pose and three keys";
    scene::Scene engine;
    // Three frames of 10000 clock units each.
    engine.LoadScene("out\\skinned", 1.0f, true, 30000, Vector(0, 0, 0), {});
    ASSERT_EQ(engine.animatedObjects.size(), 1u);
    const scene::Mesh& moved = engine.animatedObjects[0].mesh;
    Assimp::Importer importer;
    const aiScene* source = importer.ReadFile("skinned.gltf", kSteps);
    ASSERT_TRUE(source);
    const aiMesh& mesh = *source->mMeshes[0];
    ASSERT_EQ(moved.vertices.size(), mesh.mNumVertices);
    for (int key : {1, 2}) {
        engine.UpdateAnimation(10000);
        std::map<std::string, aiMatrix4x4> world;
        Place(*source, *source->mRootNode, aiMatrix4x4(), key,
              [&](const aiNode& node, const aiMatrix4x4& m) { world[node.mName.C_Str()] = m; });
        // Each vertex follows its heaviest bone.
        std::vector<float> heaviest(mesh.mNumVertices, 0.0f);
        std::vector<aiVector3D> expected(mesh.mNumVertices);
        for (const aiBone* bone : std::vector<aiBone*>(mesh.mBones, mesh.mBones + mesh.mNumBones)) {
            for (const aiVertexWeight& w :
                 std::vector<aiVertexWeight>(bone->mWeights, bone->mWeights + bone->mNumWeights)) {
                if (w.mWeight > heaviest[w.mVertexId]) {
                    heaviest[w.mVertexId] = w.mWeight;
                    expected[w.mVertexId] = world[bone->mName.C_Str()] * bone->mOffsetMatrix *
                                            mesh.mVertices[w.mVertexId];
                }
            }
        }
        for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
            ExpectNear(moved.vertices[v].position, expected[v],
                       "key " + std::to_string(key) + ", vertex " + std::to_string(v));
        }
    }
}

// One triangle on five nodes of one name: as it stands, mirrored in x, turned half round
// (two mirrors), mirrored in z and turned, and mirrored in all three axes. Each becomes an
// object of its own name whose face keeps the front the source gives it.
TEST_F(M3convertTest, MirroredNodesKeepTheirFrontAndRepeatedNamesStayApart) {
    Gltf()
        .Add<float>({0, 0, 0, 1, 0, 0, 0, 1, 0}, "VEC3", 3)
        .Add<uint16_t>({0, 1, 2}, "SCALAR", 1)
        .Write(folder, "mirrors", R"("scene":0,"scenes":[{"nodes":[0,1,2,3,4]}],"nodes":[
          {"name":"Plate","mesh":0},{"name":"Plate","mesh":0,"scale":[-1,1,1]},
          {"name":"Plate","mesh":0,"scale":[-1,-1,1]},{"name":"Plate","mesh":0,"scale":[1,1,-1],
          "rotation":[0,0.7071068,0,0.7071068]},{"name":"Plate","mesh":0,"scale":[-1,-1,-1]}],
          "meshes":[{"primitives":[{"attributes":{"POSITION":0},"indices":1}]}])");
    ConvertModel({"mirrors.gltf", "out/mirrors", 1.0f});
    scene::Scene engine;
    engine.LoadScene("out\\mirrors", 1.0f, false, 0, Vector(0, 0, 0), {});
    const char* names[] = {"Plate", "Plate_2", "Plate_3", "Plate_4", "Plate_5"};
    ASSERT_EQ(engine.objects.size(), 5u);
    Assimp::Importer importer;
    const aiScene* source = importer.ReadFile("mirrors.gltf", kSteps);
    ASSERT_TRUE(source);
    size_t next = 0;
    Place(*source, *source->mRootNode, aiMatrix4x4(), -1,
          [&](const aiNode& node, const aiMatrix4x4& world) {
              if (node.mNumMeshes == 0) {
                  return;
              }
              const aiVector3D* v = source->mMeshes[node.mMeshes[0]]->mVertices;
              aiVector3D front =
                  aiMatrix3x3(world).Inverse().Transpose() * ((v[1] - v[0]) ^ (v[2] - v[0]));
              const std::string name = names[next];
              scene::SceneObject* object = engine.FindObject(name);
              ASSERT_EQ(object, &engine.objects[next]) << name;
              ExpectNear(engine.meshes[size_t(object->meshIndex)].faces[0].normal,
                         front.NormalizeSafe(), name);
              ++next;
          });
    EXPECT_EQ(next, 5u);
}

// A missing texture only warns: the material keeps its colour.
TEST_F(M3convertTest, BrokenInputIsRefusedWithItsReason) {
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl M\nf 1 2 3\n";
    folder.Write("lines.obj", "v 0 0 0\nv 1 0 0\nl 1 2\n");
    folder.Write("broken.gltf", "{\"asset\":{\"version\":\"2.0\"}, \"meshes\": [");
    folder.Write("badmap.obj", "mtllib badmap.mtl\n" + triangle);
    folder.Write("badmap.mtl", "newmtl M\nmap_Kd bad.png\n");
    folder.Write("bad.png", "these bytes are no picture");
    Gltf()
        .Add<float>({0, 0, 0, 1, 0, 0, 0, INFINITY, 0}, "VEC3", 3)
        .Add<uint16_t>({0, 1, 2}, "SCALAR", 1)
        .Write(folder, "infinite", R"("scene":0,"scenes":[{"nodes":[0]}],"nodes":[{"name":"Far",
          "mesh":0}],"meshes":[{"primitives":[{"attributes":{"POSITION":0},"indices":1}]}])");
    WriteSkinnedGltf(folder, "runaway", {0, 0, 0, 1, INFINITY, 0, 0, 1, 0, 0, 0, 1});
    const std::pair<const char*, const char*> cases[] = {
        {"missing.obj", "missing.obj: cannot be read"},
        {"lines.obj", "lines.obj: holds no meshes with triangles"},
        {"broken.gltf", "broken.gltf: cannot be read"},
        {"badmap.obj", "bad.png: cannot be decoded"},
        {"infinite.gltf", "infinite.gltf: object Far: vertex 2 lies at a non-finite position"},
        {"runaway.gltf", "runaway.gltf: bone \"Root\" lies at a non-finite position at 1 s"}};
    for (const auto& [input, message] : cases) {
        try {
            ConvertModel({input, "out/bad", 1.0f});
            ADD_FAILURE() << input;
        } catch (const ConvertError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
    folder.Write("nomap.obj", "mtllib nomap.mtl\n" + triangle);
    folder.Write("nomap.mtl", "newmtl M\nKd 0 1 0\nmap_Kd gone.png\n");
    Model model = ConvertModel({"nomap.obj", "out/nomap", 1.0f});
    ASSERT_EQ(model.warnings.size(), 1u);
    EXPECT_NE(model.warnings[0].find("\"gone.png\" not found"), std::string::npos);
    EXPECT_TRUE(model.scene.materials[0].diffuseMap.empty());
    EXPECT_EQ(model.scene.materials[0].color[1], 255);
}

// <transparency> counts by the mode its <transparent> declares; a model whose every material
// would vanish is written opaque, with a warning.
TEST_F(M3convertTest, ColladaOpacityFollowsItsModeButNeverHidesTheModel) {
    auto transparency = [](const std::string& mode, const std::string& colour, const char* amount) {
        std::string declared = mode.empty() ? ""
                                            : "<transparent opaque=\"" + mode + "\"><color>" +
                                                  colour + "</color></transparent>";
        return declared + "<transparency><float>" + amount + "</float></transparency>";
    };
    const std::string white = "1 1 1 1", black = "0 0 0 1";
    // The materials' settings, the opacities written (percent), whether they were made opaque.
    const std::tuple<std::vector<std::string>, std::vector<float>, bool> cases[] = {
        {{transparency("A_ONE", white, "0.3")}, {30}, false},
        {{transparency("A_ZERO", white, "0.3")}, {70}, false},
        {{transparency("RGB_ZERO", white, "0.3")}, {70}, false},
        {{transparency("RGB_ZERO", black, "1")}, {100}, false},
        {{transparency("", "", "0"), transparency("A_ONE", white, "1")}, {0, 100}, false},
        // Written by the "0 means opaque" habit.
        {{transparency("", "", "0")}, {100}, true},
        {{transparency("A_ONE", black, "0"), transparency("RGB_ONE", black, "1")},
         {100, 100},
         true}};
    int n = 0;
    for (const auto& [transparencies, opacities, madeOpaque] : cases) {
        std::string input = "t" + std::to_string(n++) + ".dae";
        testing_support::WriteColladaTriangles(folder, input, transparencies);
        Model model = ConvertModel({input, "out/" + input, 1.0f});
        ASSERT_EQ(model.scene.materials.size(), opacities.size()) << input;
        for (size_t i = 0; i < opacities.size(); ++i) {
            EXPECT_NEAR(model.scene.materials[i].opacity, opacities[i], 0.01f) << input;
        }
        EXPECT_EQ(model.warnings.size(), madeOpaque ? 1u : 0u) << input;
    }
}

// Only the preview's own context: the fixture opens none.
using M3convertPreviewTest = testing_support::ProcessTest;

// The preview draws the clip's first frame, or the bind pose where the first key shrinks the
// skin to nothing, and says so when no face of the model shows.
TEST_F(M3convertPreviewTest, ShowsWhatTheEngineDrawsOrSaysItShowsNothing) {
    std::vector<float> quarterTurnFirst = {0, .7071068f, 0, .7071068f};
    quarterTurnFirst.insert(quarterTurnFirst.end(), kRootTurns.begin() + 4, kRootTurns.end());
    WriteSkinnedGltf(folder, "turned", quarterTurnFirst);
    WriteSkinnedGltf(folder, "collapsed", kRootTurns, {0, 0, 0, 1, 1, 1, 1, 1, 1});
    folder.Write("flat.obj", "v 0 0 0\nv 1 0 0\nv 2 0 0\nf 1 2 3\n");
    // The input, whether its preview is the bind pose, whether it shows nothing.
    const std::tuple<const char*, bool, bool> cases[] = {
        {"turned.gltf", false, false}, {"collapsed.gltf", true, false}, {"flat.obj", true, true}};
    for (const auto& [input, bindPose, empty] : cases) {
        std::string out = std::string("out/") + input;
        Model model = ConvertModel({input, out, 1.0f});
        std::vector<std::string> warnings;
        tools::data::Image shown = DrawPreview(PreviewOf(out, model), warnings);
        tools::data::Image bind = DrawPreview({out, false, 0}, warnings);
        bool same = std::memcmp(shown.pixels().data(), bind.pixels().data(),
                                shown.pixels().size() * sizeof(tools::data::Rgba)) == 0;
        EXPECT_EQ(same, bindPose) << input;
        EXPECT_EQ(warnings.size(), empty ? 2u : 0u) << input;
    }
}

}  // namespace
