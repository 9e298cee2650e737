// Sampling the node tree under the first animation and taking each bone's world placement.
//
// assimp places a skinned vertex v at World(bone, t) × Offset(bone) × v. The engine keeps
// the vertex as it is in the file, binds it with the rest key and moves it with the
// current key: Key(t) × Key(rest)⁻¹ × v. So the rest key is Offset⁻¹ and key t is
// World(bone, t). A scale that stays the same cancels out; the engine's keys are rigid.
#include "tools/m3convert/skin_import.h"

#include <assimp/anim.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "tools/m3convert/model_import.h"

namespace tools::m3convert {
namespace {

// assimp's own fallback when a file gives no rate.
constexpr double kDefaultTicksPerSecond = 25.0;
// A bone scaled below this share of its bind size has shrunk to nothing.
constexpr float kCollapsedScale = 1e-3f;

template <typename Key, typename Value, typename Blend>
Value Sample(const Key* keys, unsigned count, double t, Value fallback, Blend blend) {
    if (count == 0) {
        return fallback;
    }
    unsigned i = 0;
    while (i + 1 < count && keys[i + 1].mTime <= t) {
        ++i;
    }
    if (i + 1 == count || t <= keys[i].mTime) {
        return keys[i].mValue;
    }
    double f = (t - keys[i].mTime) / (keys[i + 1].mTime - keys[i].mTime);
    return blend(keys[i].mValue, keys[i + 1].mValue, float(f));
}

aiVector3D Lerp(const aiVector3D& a, const aiVector3D& b, float f) {
    return a + (b - a) * f;
}

aiQuaternion Slerp(const aiQuaternion& a, const aiQuaternion& b, float f) {
    aiQuaternion out;
    aiQuaternion::Interpolate(out, a, b, f);
    return out.Normalize();
}

class Pose {
public:
    Pose(const aiScene& source, const aiAnimation& animation, double t) {
        for (unsigned i = 0; i < animation.mNumChannels; ++i) {
            channels_[animation.mChannels[i]->mNodeName.C_Str()] = animation.mChannels[i];
        }
        Place(*source.mRootNode, aiMatrix4x4(), t);
    }

    const aiMatrix4x4& World(const std::string& node) const {
        auto found = world_.find(node);
        if (found == world_.end()) {
            throw ConvertError("bone \"" + node + "\" has no node in the scene");
        }
        return found->second;
    }

private:
    void Place(const aiNode& node, const aiMatrix4x4& parent, double t) {
        aiMatrix4x4 local = node.mTransformation;
        auto channel = channels_.find(node.mName.C_Str());
        if (channel != channels_.end()) {
            const aiNodeAnim& c = *channel->second;
            local =
                aiMatrix4x4(Sample(c.mScalingKeys, c.mNumScalingKeys, t, aiVector3D(1, 1, 1), Lerp),
                            Sample(c.mRotationKeys, c.mNumRotationKeys, t, aiQuaternion(), Slerp),
                            Sample(c.mPositionKeys, c.mNumPositionKeys, t, aiVector3D(), Lerp));
        }
        aiMatrix4x4 world = parent * local;
        world_[node.mName.C_Str()] = world;
        for (unsigned i = 0; i < node.mNumChildren; ++i) {
            Place(*node.mChildren[i], world, t);
        }
    }

    std::map<std::string, const aiNodeAnim*> channels_;
    std::map<std::string, aiMatrix4x4> world_;
};

// Every time at which some channel has a key, in order.
std::vector<double> KeyTimes(const aiAnimation& animation) {
    std::set<double> times;
    for (unsigned i = 0; i < animation.mNumChannels; ++i) {
        const aiNodeAnim& c = *animation.mChannels[i];
        for (unsigned k = 0; k < c.mNumPositionKeys; ++k)
            times.insert(c.mPositionKeys[k].mTime);
        for (unsigned k = 0; k < c.mNumRotationKeys; ++k)
            times.insert(c.mRotationKeys[k].mTime);
        for (unsigned k = 0; k < c.mNumScalingKeys; ++k)
            times.insert(c.mScalingKeys[k].mTime);
    }
    return std::vector<double>(times.begin(), times.end());
}

// The rigid part of `m` in engine terms; `scaleOut` receives its scale.
BonePose Rigid(const aiMatrix4x4& m, float scale, aiVector3D& scaleOut) {
    aiQuaternion r;
    aiVector3D t;
    m.Decompose(scaleOut, r, t);
    r.Normalize();
    return {scene::Vector(t.x, t.y, t.z) * scale, scene::Quaternion(r.x, r.y, r.z, r.w)};
}

// Every vertex on a bone placed at infinity, or nowhere, would be lost.
void RequireFinite(const BonePose& key, const std::string& bone, double seconds) {
    const scene::Quaternion& r = key.rotation;
    if (!Finite(key.translation) || !Finite(scene::Vector(r.x, r.y, r.z)) || !std::isfinite(r.w)) {
        throw ConvertError("bone \"" + bone + "\" lies at a non-finite position at " +
                           tools::data::NumberWords({float(seconds)}) + " s");
    }
}

bool Collapsed(const aiVector3D& scale, const aiVector3D& rest) {
    auto largest = [](const aiVector3D& s) {
        return std::max({std::abs(s.x), std::abs(s.y), std::abs(s.z)});
    };
    return largest(scale) <= kCollapsedScale * largest(rest);
}

std::vector<int32_t> HeaviestBones(const aiMesh& mesh) {
    std::vector<int32_t> bones(mesh.mNumVertices, -1);
    std::vector<float> heaviest(mesh.mNumVertices, 0.0f);
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        for (unsigned w = 0; w < bone.mNumWeights; ++w) {
            const aiVertexWeight& weight = bone.mWeights[w];
            if (weight.mWeight > heaviest[weight.mVertexId]) {
                heaviest[weight.mVertexId] = weight.mWeight;
                bones[weight.mVertexId] = int32_t(b);
            }
        }
    }
    return bones;
}

}  // namespace

std::optional<Skin> ImportSkin(const aiScene& source, const aiMesh& mesh, float scale,
                               std::vector<std::string>& warnings) {
    std::vector<double> times;
    if (source.mNumAnimations > 0) {
        times = KeyTimes(*source.mAnimations[0]);
    }
    if (times.empty()) {
        warnings.push_back("the skinned mesh has no animation; no animation files written");
        return std::nullopt;
    }
    const aiAnimation& animation = *source.mAnimations[0];
    double rate =
        animation.mTicksPerSecond > 0 ? animation.mTicksPerSecond : kDefaultTicksPerSecond;
    Skin skin;
    skin.vertexBones = HeaviestBones(mesh);
    std::vector<aiVector3D> restScales;
    skin.frames.emplace_back();
    for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        std::string name = OneWord(mesh.mBones[b]->mName.C_Str(), "Bone");
        skin.boneNames.push_back(name == "Frame" ? "Frame_" : name);  // "Frame" starts a frame
        restScales.emplace_back();
        skin.frames[0].push_back(
            Rigid(aiMatrix4x4(mesh.mBones[b]->mOffsetMatrix).Inverse(), scale, restScales.back()));
    }
    bool rescaled = false;
    unsigned collapsedAtFirstKey = 0;
    for (double t : times) {
        Pose pose(source, animation, t);
        skin.frames.emplace_back();
        for (unsigned b = 0; b < mesh.mNumBones; ++b) {
            aiVector3D boneScale;
            skin.frames.back().push_back(
                Rigid(pose.World(mesh.mBones[b]->mName.C_Str()), scale, boneScale));
            RequireFinite(skin.frames.back().back(), skin.boneNames[b], t / rate);
            rescaled = rescaled || (boneScale - restScales[b]).Length() > 1e-3f;
            collapsedAtFirstKey += t == times.front() && Collapsed(boneScale, restScales[b]);
        }
    }
    if (rescaled) {
        warnings.push_back("bones change their scale; the engine keeps them rigid");
    }
    skin.firstKeyCollapses = mesh.mNumBones > 0 && collapsedAtFirstKey == mesh.mNumBones;
    if (skin.firstKeyCollapses) {
        warnings.push_back(
            "the first key scales every bone to nothing; the engine keeps "
            "bones rigid, and a preview shows the bind pose");
    }
    skin.clipSeconds = (times.back() - times.front()) / rate;
    return skin;
}

}  // namespace tools::m3convert
