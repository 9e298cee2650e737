// Reading the key-frame and weight files.
#include "scene/animation_files.h"

#include <utility>

#include "console/log.h"
#include "scene/coordinates.h"
#include "scene/scene.h"
#include "scene/word_reader.h"

namespace scene {
namespace {

using console::IntToString;
using console::Print;

// The ".m3vba0" frames share this many clock units.
constexpr int64_t kRestPoseLength = 30000000 / 3;

// How one key-frame file is taken in.
struct KeyFrameRead {
    // The frame counter's first value.
    int32_t start = 0;
    // Entries of frame 0 create their tracks.
    bool createTracks = true;
    // Clock units that the file's frames share.
    int64_t length = 0;
    float scale = 1.0f;
};

// One entry's 12 words into a new key of `track`; false when the file ends within it.
bool ReadKey(WordReader& in, float scale, Track* track) {
    float w[12];
    for (float& word : w) {
        word = in.ReadFloat();
    }
    if (in.AtEnd()) {
        return false;
    }
    if (track) {
        track->pivots.push_back(SwapAxes(w[0], w[1], w[2]) * scale);
        track->translations.push_back(SwapAxes(w[4], w[5], w[6]) * scale);
        track->rotations.push_back(FileRotation(w[8], w[9], w[10], w[11]));
    }
    return true;
}

// The frames of one key-frame file; returns the frame counter at the end.
int32_t ReadKeyFrames(WordReader& in, const KeyFrameRead& how, AnimatedObject& object) {
    int32_t count = in.SkipTo("NumFrames") && in.Next() ? WordToInt(in.Word()) : 0;
    object.frameCount = count;
    if (count <= 0) {
        Print("No frames in " + in.Path());
        return how.start;
    }
    int64_t period = how.length / count;
    int32_t frame = how.start;
    int32_t entry = 0;
    bool outside = false;
    if (in.SkipTo("Frame")) {
        in.Next();
    }
    while (frame < int64_t{count} + how.start && in.ReadWord()) {
        if (in.Word() == "Frame") {
            in.Next();
            ++frame;
            entry = 0;
            continue;
        }
        if (frame == 0 && how.createTracks && static_cast<size_t>(entry) == object.tracks.size()) {
            object.tracks.emplace_back();
        }
        Track* track = static_cast<size_t>(entry) < object.tracks.size()
                           ? &object.tracks[static_cast<size_t>(entry)]
                           : nullptr;
        outside = outside || !track;
        if (!ReadKey(in, how.scale, track)) {
            break;
        }
        if (track) {
            track->period = period;
        }
        ++entry;
    }
    if (outside) {
        Print("Entries beyond the " + IntToString(int32_t(object.tracks.size())) + " tracks in " +
              in.Path() + " dropped");
    }
    return frame;
}

// Checks the clip against the keys and the period; logs what cannot play.
void CheckClip(const AnimatedObject& object, const std::string& path) {
    for (size_t i = 0; i < object.tracks.size(); ++i) {
        const Track& track = object.tracks[i];
        if (track.period <= 0 || track.translations.size() <= size_t(object.lastFrame)) {
            Print("Track " + IntToString(int32_t(i)) + " of " + path + " cannot play frames " +
                  IntToString(object.firstFrame) + " to " + IntToString(object.lastFrame) +
                  ": it stays still");
        }
    }
}

// Sorts the influences by weight, largest first, keeping the file order of equal ones.
void SortInfluences(VertexWeights& w) {
    for (size_t i = 0; i < w.amounts.size(); ++i) {
        for (size_t j = i + 1; j < w.amounts.size(); ++j) {
            if (w.amounts[i] < w.amounts[j]) {
                std::swap(w.amounts[i], w.amounts[j]);
                std::swap(w.bones[i], w.bones[j]);
            }
        }
    }
}

// Reduces a vertex to its largest influence with weight 1.
void KeepLargestInfluence(VertexWeights& w) {
    SortInfluences(w);
    w.used = 1;
    if (w.amounts.size() >= 2) {
        float sum = w.amounts[0] + w.amounts[1];
        if (sum != 0.0f) {
            w.amounts[0] /= sum;
            w.amounts[1] /= sum;
        }
    }
    if (!w.amounts.empty()) {
        w.amounts[0] = 1.0f;
        w.bone = w.bones[0];
    }
}

// One vertex record; false (logged) when it is out of bounds.
bool ReadVertexWeights(WordReader& in, int32_t trackCount, VertexWeights& w) {
    int32_t count = in.ReadInt();
    if (!in.CountFits(count, 2, "influence")) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        int32_t bone = in.ReadInt() - 1;
        float amount = in.ReadFloat();
        if (bone < 0 || bone >= trackCount) {
            Print("Bone " + IntToString(bone + 1) + " in " + in.Path() + " is not one of the " +
                  IntToString(trackCount) + " tracks");
            return false;
        }
        w.bones.push_back(bone);
        w.amounts.push_back(amount);
    }
    return true;
}

// The weight records, all or none.
bool ReadWeights(WordReader& in, size_t vertexCount, AnimatedObject& object) {
    int32_t count = in.SkipTo("NumVertex") && in.Next() ? WordToInt(in.Word()) : 0;
    if (count <= 0) {
        return false;
    }
    if (static_cast<size_t>(count) != vertexCount) {
        Print("Weights for " + IntToString(count) + " vertices in " + in.Path() +
              " do not fit a mesh of " + IntToString(int32_t(vertexCount)) + " vertices");
        return false;
    }
    if (!in.CountFits(count, 1, "weighted vertex")) {
        return false;
    }
    std::vector<VertexWeights> weights(static_cast<size_t>(count));
    for (VertexWeights& w : weights) {
        if (!ReadVertexWeights(in, int32_t(object.tracks.size()), w)) {
            return false;
        }
    }
    object.weights = std::move(weights);
    return true;
}

void ReadRestPose(WordReader& in, float scale, Scene& scene) {
    scene.animatedObjects.emplace_back();
    AnimatedObject& object = scene.animatedObjects.back();
    object.objectIndex = 1;
    ReadKeyFrames(in, {0, true, kRestPoseLength, scale}, object);
}

void ReadClip(WordReader& in, bool restPoseRead, float scale, int32_t length, Scene& scene) {
    if (scene.objects.empty()) {
        Print("No mesh to animate for " + in.Path());
        return;
    }
    if (!restPoseRead) {
        scene.animatedObjects.emplace_back();
    }
    AnimatedObject& object = scene.animatedObjects.back();
    object.objectIndex = static_cast<int32_t>(scene.objects.size()) - 1;
    SceneObject& target = scene.objects.back();
    object.mesh = scene.meshes.back();
    object.restMesh = scene.meshes[static_cast<size_t>(target.meshIndex)];
    target.visible = false;
    int32_t start = restPoseRead ? 1 : 0;
    object.firstFrame = start;
    object.lastFrame = ReadKeyFrames(in, {start, !restPoseRead, length, scale}, object);
    CheckClip(object, in.Path());
}

void ReadWeightFile(WordReader& in, Scene& scene) {
    if (scene.animatedObjects.empty() || scene.objects.empty()) {
        Print("No animated object for " + in.Path());
        return;
    }
    AnimatedObject& object = scene.animatedObjects.back();
    Mesh& target = scene.meshes[static_cast<size_t>(scene.objects.back().meshIndex)];
    if (!ReadWeights(in, target.vertices.size(), object)) {
        return;
    }
    int32_t marker = static_cast<int32_t>(scene.animatedObjects.size()) - 1;
    for (size_t i = 0; i < object.weights.size(); ++i) {
        KeepLargestInfluence(object.weights[i]);
        target.vertices[i].animation = marker;
    }
    BindToBones(object);
}

}  // namespace

void LoadAnimation(Scene& scene, const std::string& basePath, float scale,
                   int32_t animationLength) {
    WordReader rest;
    bool restPoseRead = rest.Open(basePath + ".m3vba0");
    if (restPoseRead) {
        Print("Load: " + rest.Path());
        ReadRestPose(rest, scale, scene);
    }
    WordReader clip;
    if (clip.Open(basePath + ".m3vba")) {
        Print("Load: " + clip.Path());
        ReadClip(clip, restPoseRead, scale, animationLength, scene);
    }
    WordReader weights;
    if (weights.Open(basePath + ".m3vw")) {
        Print("Load: " + weights.Path());
        ReadWeightFile(weights, scene);
    }
}

}  // namespace scene
