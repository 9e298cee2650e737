// Walking the source's node tree: every mesh placed by its node's world transform.
#include "tools/m3convert/model_import.h"

#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <assimp/Importer.hpp>
#include <cmath>
#include <set>

#include "tools/m3convert/material_import.h"
#include "tools/m3convert/skin_import.h"

namespace tools::m3convert {
namespace {

using tools::data::MeshData;
using tools::data::MeshFace;
using tools::data::Vector;

constexpr unsigned kImportSteps = aiProcess_Triangulate | aiProcess_SortByPType |
                                  aiProcess_JoinIdenticalVertices | aiProcess_GenSmoothNormals |
                                  aiProcess_ValidateDataStructure;

// Names of objects must differ: the engine finds the first object of a name.
std::string UniqueName(const std::string& wanted, std::set<std::string>& taken) {
    std::string name = wanted;
    for (int n = 2; taken.count(name) != 0; ++n) {
        name = wanted + "_" + std::to_string(n);
    }
    taken.insert(name);
    return name;
}

// The mesh's triangles with positions through `place` (scaled), normals through its
// rotation part; a mirroring transform turns the corners round so faces keep their front.
MeshData Triangles(const aiMesh& mesh, const aiMatrix4x4& place, float scale) {
    aiMatrix3x3 turn = aiMatrix3x3(place).Inverse().Transpose();
    MeshData data;
    for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
        aiVector3D p = place * mesh.mVertices[i];
        aiVector3D n = mesh.mNormals ? (turn * mesh.mNormals[i]).NormalizeSafe() : aiVector3D();
        data.AddVertex(Vector(p.x, p.y, p.z) * scale, Vector(n.x, n.y, n.z));
    }
    const bool mirrored = place.Determinant() < 0;
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& source = mesh.mFaces[f];
        if (source.mNumIndices != 3) {
            continue;
        }
        MeshFace face;
        for (int k = 0; k < 3; ++k) {
            unsigned corner = source.mIndices[mirrored && k > 0 ? 3 - k : k];
            face.index[size_t(k)] = int32_t(corner);
            if (mesh.mTextureCoords[0]) {
                face.u[size_t(k)] = mesh.mTextureCoords[0][corner].x;
                face.v[size_t(k)] = mesh.mTextureCoords[0][corner].y;
            }
        }
        data.AddFace(face);
    }
    return data;
}

class SceneBuilder {
public:
    SceneBuilder(const aiScene& source, const std::string& path, float scale,
                 const std::string& textureStem)
        : source_(source), scale_(scale), materials_(source, path, textureStem, model_) {}

    Model Build() {
        AddNode(*source_.mRootNode, aiMatrix4x4());
        if (skinned_) {
            // The engine animates the scene's last mesh only.
            AddMesh(*skinned_, skinnedName_, aiMatrix4x4());
            model_.skin = ImportSkin(source_, *skinned_, scale_, model_.warnings);
        }
        materials_.KeepVisible();
        return std::move(model_);
    }

private:
    void AddNode(const aiNode& node, const aiMatrix4x4& parent) {
        aiMatrix4x4 world = parent * node.mTransformation;
        for (unsigned i = 0; i < node.mNumMeshes; ++i) {
            const aiMesh& mesh = *source_.mMeshes[node.mMeshes[i]];
            if ((mesh.mPrimitiveTypes & aiPrimitiveType_TRIANGLE) == 0) {
                continue;  // points and lines have no faces to draw
            }
            std::string name = UniqueName(OneWord(node.mName.C_Str(), "Object"), names_);
            if (mesh.HasBones() && !skinned_) {
                // Skinned vertices are bound in the mesh's own space, not the node's.
                skinned_ = &mesh;
                skinnedName_ = name;
                continue;
            }
            if (mesh.HasBones()) {
                model_.warnings.push_back("only the first skinned mesh moves; " + name +
                                          " stays in its rest pose");
            }
            AddMesh(mesh, name, world);
        }
        for (unsigned i = 0; i < node.mNumChildren; ++i) {
            AddNode(*node.mChildren[i], world);
        }
    }

    void AddMesh(const aiMesh& mesh, const std::string& name, const aiMatrix4x4& world) {
        MeshData triangles = Triangles(mesh, world, scale_);
        for (size_t i = 0; i < triangles.vertices.size(); ++i) {
            // The engine can neither frame nor draw such a vertex, nor the faces on it.
            if (!Finite(triangles.vertices[i].position)) {
                throw ConvertError("object " + name + ": vertex " + std::to_string(i) +
                                   " lies at a non-finite position");
            }
        }
        model_.scene.AddObject(name, materials_.Use(mesh.mMaterialIndex), std::move(triangles));
    }

    const aiScene& source_;
    float scale_;
    Model model_;
    MaterialImport materials_;
    std::set<std::string> names_;
    const aiMesh* skinned_ = nullptr;
    std::string skinnedName_;
};

}  // namespace

std::string OneWord(const std::string& name, const std::string& fallback) {
    std::string word;
    for (char c : name) {
        word += static_cast<unsigned char>(c) <= ' ' ? '_' : c;
    }
    return word.empty() ? fallback : word;
}

bool Finite(const scene::Vector& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

Model ImportModel(const std::string& path, float scale, const std::string& textureStem) {
    Assimp::Importer importer;
    const aiScene* source = importer.ReadFile(path, kImportSteps);
    if (!source || !source->mRootNode) {
        throw ConvertError(path + ": cannot be read: " + importer.GetErrorString());
    }
    Model model;
    try {
        model = SceneBuilder(*source, path, scale, textureStem).Build();
    } catch (const ConvertError& error) {
        throw ConvertError(path + ": " + error.what());
    }
    if (model.scene.objects.empty()) {
        throw ConvertError(path + ": holds no meshes with triangles");
    }
    return model;
}

}  // namespace tools::m3convert
