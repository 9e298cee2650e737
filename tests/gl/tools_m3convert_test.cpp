// m3convert on models the test writes itself: what the engine's readers load back matches
// what assimp reads from the source, a skinned model moves as assimp's bones place it, the
// preview shows the texture, and broken input is refused with its reason.
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <assimp/Importer.hpp>
#include <functional>
#include <map>

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

std::string Base64(const std::string& bytes) {
    const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t n = uint32_t(uint8_t(bytes[i])) << 16;
        n |= i + 1 < bytes.size() ? uint32_t(uint8_t(bytes[i + 1])) << 8 : 0;
        n |= i + 2 < bytes.size() ? uint8_t(bytes[i + 2]) : 0;
        for (size_t k = 0; k < 4; ++k) {
            text += i + k <= bytes.size() ? digits[(n >> (18 - 6 * k)) & 63] : '=';
        }
    }
    return text;
}

// A glTF file with its one buffer inline: accessors are added as arrays of numbers.
class Gltf {
public:
    template <typename T>
    int Add(const std::vector<T>& values, const char* type, int componentType) {
        size_t offset = buffer_.size();
        buffer_.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
        buffer_.resize((buffer_.size() + 3) / 4 * 4, '\0');
        int count = int(values.size()) / (std::string(type) == "SCALAR" ? 1
                                          : std::string(type) == "MAT4" ? 16
                                                                        : type[3] - '0');
        int n = int(accessors_.size());
        accessors_.push_back("{\"bufferView\":" + std::to_string(n) +
                             ",\"componentType\":" + std::to_string(componentType) +
                             ",\"count\":" + std::to_string(count) + ",\"type\":\"" + type + "\"}");
        views_.push_back("{\"buffer\":0,\"byteOffset\":" + std::to_string(offset) +
                         ",\"byteLength\":" + std::to_string(values.size() * sizeof(T)) + "}");
        return n;
    }
    int Floats(const std::vector<float>& v, const char* type) { return Add(v, type, 5126); }
    int Shorts(const std::vector<uint16_t>& v, const char* type) { return Add(v, type, 5123); }

    std::string Json(const std::string& rest) const {
        auto list = [](const std::vector<std::string>& items) {
            std::string text;
            for (const std::string& item : items)
                text += (text.empty() ? "" : ",") + item;
            return "[" + text + "]";
        };
        return "{\"asset\":{\"version\":\"2.0\"},\"buffers\":[{\"byteLength\":" +
               std::to_string(buffer_.size()) + ",\"uri\":\"data:application/octet-stream;base64," +
               Base64(buffer_) + "\"}],\"bufferViews\":" + list(views_) +
               ",\"accessors\":" + list(accessors_) + "," + rest + "}";
    }

private:
    std::string buffer_;
    std::vector<std::string> views_, accessors_;
};

// Two triangles in two materials, on a child node turned and moved under its parent.
std::string TwoMaterialGltf() {
    Gltf g;
    int positions = g.Floats({0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1}, "VEC3");
    int uvs = g.Floats({0, 0, 1, 0, 0, 1, 1, 1}, "VEC2");
    int first = g.Shorts({0, 1, 2}, "SCALAR");
    int second = g.Shorts({0, 3, 1}, "SCALAR");
    auto primitive = [&](int indices, int material) {
        return "{\"primitives\":[{\"attributes\":{\"POSITION\":" + std::to_string(positions) +
               ",\"TEXCOORD_0\":" + std::to_string(uvs) +
               "},\"indices\":" + std::to_string(indices) +
               ",\"material\":" + std::to_string(material) + "}]}";
    };
    return g.Json(
        "\"scene\":0,\"scenes\":[{\"nodes\":[0]}],\"nodes\":[{\"name\":\"Base Plate\",\"mesh\":0,"
        "\"translation\":[5,0,-2],\"children\":[1]},{\"name\":\"Arm\",\"mesh\":1,"
        "\"rotation\":[0,0.7071068,0,0.7071068],\"translation\":[0,3,0],\"scale\":[2,2,2]}],"
        "\"meshes\":[" +
        primitive(first, 0) + "," + primitive(second, 1) +
        "],\"materials\":[{\"name\":\"Red\",\"pbrMetallicRoughness\":{\"baseColorFactor\":"
        "[1,0,0,1]}},{\"name\":\"Green\",\"pbrMetallicRoughness\":{\"baseColorFactor\":[0,0.5,0,"
        "1]}}]");
}

// A column of three vertex rows on two joints: the upper joint bends at times 1 and 2 while
// the lower one moves and turns.
std::string SkinnedGltf() {
    Gltf g;
    int positions = g.Floats({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0, 0, 2, 0, 1, 2, 0}, "VEC3");
    int indices = g.Shorts({0, 1, 3, 0, 3, 2, 2, 3, 5, 2, 5, 4}, "SCALAR");
    int joints =
        g.Shorts({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}, "VEC4");
    int weights = g.Floats(
        {1, 0, 0, 0, 1, 0, 0, 0, 0.4f, 0.6f, 0, 0, 0.7f, 0.3f, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0},
        "VEC4");
    int inverseBinds = g.Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0,  0, 1,  //
                                 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, -1, 0, 1},
                                "MAT4");
    int times = g.Floats({0, 1, 2}, "SCALAR");
    int bend =
        g.Floats({0, 0, 0, 1, 0, 0, 0.3826834f, 0.9238795f, 0, 0, 0.7071068f, 0.7071068f}, "VEC4");
    int turn = g.Floats({0, 0, 0, 1, 0, 0.2588190f, 0, 0.9659258f, 0, 0.5f, 0, 0.8660254f}, "VEC4");
    int slide = g.Floats({0, 0, 0, 0.5f, 0, 0, 0.5f, 0.5f, 0}, "VEC3");
    auto channel = [](int sampler, int node, const char* path) {
        return "{\"sampler\":" + std::to_string(sampler) +
               ",\"target\":{\"node\":" + std::to_string(node) + ",\"path\":\"" + path + "\"}}";
    };
    auto sampler = [&](int output) {
        return "{\"input\":" + std::to_string(times) + ",\"output\":" + std::to_string(output) +
               "}";
    };
    return g.Json(
        "\"scene\":0,\"scenes\":[{\"nodes\":[0,1]}],\"nodes\":[{\"name\":\"Column\",\"mesh\":0,"
        "\"skin\":0},{\"name\":\"Root\",\"children\":[2]},{\"name\":\"Tip\",\"translation\":"
        "[0,1,0]}],\"skins\":[{\"joints\":[1,2],\"inverseBindMatrices\":" +
        std::to_string(inverseBinds) +
        "}],\"meshes\":[{\"primitives\":[{\"attributes\":{"
        "\"POSITION\":" +
        std::to_string(positions) + ",\"JOINTS_0\":" + std::to_string(joints) +
        ",\"WEIGHTS_0\":" + std::to_string(weights) + "},\"indices\":" + std::to_string(indices) +
        "}]}],\"animations\":[{\"channels\":[" + channel(0, 2, "rotation") + "," +
        channel(1, 1, "rotation") + "," + channel(2, 1, "translation") + "],\"samplers\":[" +
        sampler(bend) + "," + sampler(turn) + "," + sampler(slide) + "]}]");
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
            aiVector3D scaling(1, 1, 1), position = c.mPositionKeys[p].mValue;
            local = aiMatrix4x4(scaling, c.mRotationKeys[r].mValue, position);
        }
    }
    aiMatrix4x4 world = parent * local;
    visit(node, world);
    for (unsigned i = 0; i < node.mNumChildren; ++i) {
        Place(s, *node.mChildren[i], world, key, visit);
    }
}

void ExpectNear(const Vector& engine, const aiVector3D& source, const std::string& where) {
    EXPECT_NEAR(engine.x, source.x, 1e-4f) << where;
    EXPECT_NEAR(engine.y, source.y, 1e-4f) << where;
    EXPECT_NEAR(engine.z, source.z, 1e-4f) << where;
}

class M3convertTest : public testing_support::GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        scene::MaterialTable.clear();
        testing_support::WriteTexturedBox(folder);
        folder.Write("two.gltf", TwoMaterialGltf());
        folder.Write("skinned.gltf", SkinnedGltf());
    }
    void TearDown() override {
        scene::MaterialTable.clear();
        GlTest::TearDown();
    }

    testing_support::TempFolder folder;
};

// Corner k of an engine face is corner kFileOrder[k] of the source face.
const unsigned kFileOrder[3] = {0, 2, 1};

TEST_F(M3convertTest, EngineLoadsWhatAssimpReadsFromTheSource) {
    const struct {
        const char* input;
        const char* firstObject;  // the node's name as assimp reads it, made one word
        bool textured;
    } cases[] = {{"box.obj", "Box", true}, {"two.gltf", "Base_Plate", false}};
    for (const auto& c : cases) {
        Model model = ConvertModel({c.input, std::string("out/") + c.input, 1.0f});
        EXPECT_TRUE(model.warnings.empty()) << c.input;
        scene::Scene engine;
        engine.LoadScene(std::string("out\\") + c.input, 1.0f, false, 0, Vector(0, 0, 0), {});
        ASSERT_FALSE(engine.objects.empty()) << c.input;
        EXPECT_EQ(engine.objects[0].name, c.firstObject);
        EXPECT_EQ(scene::MaterialAt(engine.meshes[0].materialIndex).diffuseMap.Present(),
                  c.textured);
        Assimp::Importer importer;
        const aiScene* source = importer.ReadFile(c.input, kSteps);
        ASSERT_TRUE(source) << c.input;
        size_t next = 0;
        auto compare = [&](const aiNode& node, const aiMatrix4x4& world) {
            for (unsigned m = 0; m < node.mNumMeshes && next < engine.meshes.size(); ++m) {
                const aiMesh& mesh = *source->mMeshes[node.mMeshes[m]];
                const scene::Mesh& loaded = engine.meshes[next++];
                ASSERT_EQ(loaded.faces.size(), mesh.mNumFaces) << c.input;
                for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
                    for (int k = 0; k < 3; ++k) {
                        unsigned corner = mesh.mFaces[f].mIndices[kFileOrder[k]];
                        const scene::Face& face = loaded.faces[f];
                        ExpectNear(loaded.vertices[size_t(face.index[k])].position,
                                   world * mesh.mVertices[corner], c.input);
                        EXPECT_NEAR(face.u[k], mesh.mTextureCoords[0][corner].x, 1e-6f);
                        EXPECT_NEAR(face.v[k], mesh.mTextureCoords[0][corner].y, 1e-6f);
                    }
                }
                aiColor4D colour;
                source->mMaterials[mesh.mMaterialIndex]->Get(AI_MATKEY_COLOR_DIFFUSE, colour);
                const Vector& diffuse = scene::MaterialAt(loaded.materialIndex).diffuse;
                EXPECT_NEAR(diffuse.x, colour.r, 0.6f / 255) << c.input;
                EXPECT_NEAR(diffuse.y, colour.g, 0.6f / 255) << c.input;
                EXPECT_NEAR(diffuse.z, colour.b, 0.6f / 255) << c.input;
            }
        };
        Place(*source, *source->mRootNode, aiMatrix4x4(), -1, compare);
        EXPECT_EQ(next, engine.meshes.size()) << c.input;
    }
}

TEST_F(M3convertTest, SkinnedModelMovesAsAssimpPlacesItsBones) {
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
        std::vector<float> heaviest(mesh.mNumVertices, 0.0f);
        std::vector<aiVector3D> expected(mesh.mNumVertices);
        for (unsigned b = 0; b < mesh.mNumBones; ++b) {
            const aiBone& bone = *mesh.mBones[b];
            for (unsigned w = 0; w < bone.mNumWeights; ++w) {
                unsigned v = bone.mWeights[w].mVertexId;
                if (bone.mWeights[w].mWeight > heaviest[v]) {
                    heaviest[v] = bone.mWeights[w].mWeight;
                    expected[v] =
                        world[bone.mName.C_Str()] * bone.mOffsetMatrix * mesh.mVertices[v];
                }
            }
        }
        for (unsigned v = 0; v < mesh.mNumVertices; ++v) {
            ExpectNear(moved.vertices[v].position, expected[v],
                       "key " + std::to_string(key) + ", vertex " + std::to_string(v));
        }
    }
}

TEST_F(M3convertTest, BrokenInputIsRefusedWithItsReason) {
    folder.Write("lines.obj", "v 0 0 0\nv 1 0 0\nl 1 2\n");
    folder.Write("broken.gltf", "{\"asset\":{\"version\":\"2.0\"}, \"meshes\": [");
    folder.Write("badmap.obj", "mtllib badmap.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl M\nf 1 2 3\n");
    folder.Write("badmap.mtl", "newmtl M\nmap_Kd bad.png\n");
    folder.Write("bad.png", "these bytes are no picture");
    const struct {
        const char* input;
        const char* message;
    } cases[] = {
        {"missing.obj", "missing.obj: cannot be read"},
        {"lines.obj", "lines.obj: holds no meshes with triangles"},
        {"broken.gltf", "broken.gltf: cannot be read"},
        {"badmap.obj", "bad.png: cannot be decoded"},
    };
    for (const auto& c : cases) {
        try {
            ConvertModel({c.input, "out/bad", 1.0f});
            ADD_FAILURE() << c.input;
        } catch (const ConvertError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
    // A missing texture only warns: the material keeps its colour.
    folder.Write("nomap.obj", "mtllib nomap.mtl\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl M\nf 1 2 3\n");
    folder.Write("nomap.mtl", "newmtl M\nKd 0 1 0\nmap_Kd gone.png\n");
    Model model = ConvertModel({"nomap.obj", "out/nomap", 1.0f});
    ASSERT_EQ(model.warnings.size(), 1u);
    EXPECT_NE(model.warnings[0].find("\"gone.png\" not found"), std::string::npos);
    EXPECT_TRUE(model.scene.materials[0].diffuseMap.empty());
    EXPECT_EQ(model.scene.materials[0].color[1], 255);
}

// The preview makes its own context.
TEST(M3convertPreview, ShowsTheTextureFromThreeSides) {
    testing_support::TempFolder folder;
    testing_support::WriteTexturedBox(folder);
    ConvertModel({"box.obj", "out/box", 1.0f});
    tools::data::Image preview = DrawPreview({"out/box", false, 0});
    for (int view = 0; view < 3; ++view) {
        int red = 0, blue = 0;
        for (int y = 0; y < preview.height(); ++y) {
            for (int x = view * kPreviewViewSize; x < (view + 1) * kPreviewViewSize; ++x) {
                const tools::data::Rgba& p = preview.at(x, y);
                red += p.r > 100 && p.r > 3 * p.b;
                blue += p.b > 100 && p.b > 3 * p.r;
            }
        }
        EXPECT_GT(red, 1000) << "view " << view;
        EXPECT_GT(blue, 1000) << "view " << view;
    }
}

}  // namespace
