// Vertex animation: bones (tracks) of key frames, per-vertex bone weights, and the
// per-frame sampling that moves a copy of the animated mesh rigidly with its bones.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/matrix.h"
#include "scene/mesh.h"
#include "scene/quaternion.h"
#include "scene/vector.h"

namespace scene {

struct Track {
    // One key per frame: key k belongs to frame k.
    std::vector<Vector> pivots;
    std::vector<Vector> translations;
    std::vector<Quaternion> rotations;
    // Duration of one frame in animation-clock units.
    int64_t period = 0;
    // Sampled at the current time.
    Vector pivot;
    Vector translation;
    Quaternion rotation;
    Matrix matrix = identityMatrix;
};

struct VertexWeights {
    // Zero-based track indices and their weights, largest weight first after loading.
    std::vector<int32_t> bones;
    std::vector<float> amounts;
    int32_t used = 0;
    // The track that moves the vertex, or -1 for a vertex without influences.
    int32_t bone = -1;
};

class AnimatedObject {
public:
    virtual ~AnimatedObject() = default;
    AnimatedObject() = default;
    AnimatedObject(const AnimatedObject&) = default;
    AnimatedObject(AnimatedObject&&) noexcept = default;
    AnimatedObject& operator=(const AnimatedObject&) = default;
    AnimatedObject& operator=(AnimatedObject&&) noexcept = default;

    std::vector<Track> tracks;
    // One per vertex of the animated mesh.
    std::vector<VertexWeights> weights;
    // The deformed copy that is drawn.
    Mesh mesh;
    // The rest pose in bone-local coordinates.
    Mesh restMesh;
    int32_t frameCount = 0;
    // The scene object whose mesh this animates; its transform is applied when drawing.
    int32_t objectIndex = -1;
    // The looping clip.
    int32_t firstFrame = 0;
    int32_t lastFrame = 0;
};

// Turns the rest mesh into bone-local coordinates with every bone's key 0.
void BindToBones(AnimatedObject& object);
// Samples the track at time t on the clip first..last, which loops.
void SampleTrack(Track& track, int64_t t, int32_t first, int32_t last);
// Moves every vertex of `mesh` from the rest mesh with its bone's current matrix.
void DeformMesh(AnimatedObject& object);

}  // namespace scene
