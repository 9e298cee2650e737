// Binding the rest pose to the bones, sampling the tracks and deforming the mesh.
#include "scene/animation.h"

namespace scene {
namespace {

// The weights fit the meshes only when each has one record per vertex.
bool WeightsFit(const AnimatedObject& object) {
    return object.weights.size() == object.restMesh.vertices.size() &&
           object.mesh.vertices.size() == object.restMesh.vertices.size();
}

// The track a vertex follows, or null when it has none or the bone has no key 0.
const Track* BoneOf(const AnimatedObject& object, size_t vertex) {
    int32_t bone = object.weights[vertex].bone;
    if (bone < 0 || static_cast<size_t>(bone) >= object.tracks.size()) {
        return nullptr;
    }
    return &object.tracks[static_cast<size_t>(bone)];
}

}  // namespace

void BindToBones(AnimatedObject& object) {
    if (!WeightsFit(object)) {
        return;
    }
    for (size_t i = 0; i < object.restMesh.vertices.size(); ++i) {
        const Track* track = BoneOf(object, i);
        if (!track || track->translations.empty()) {
            continue;
        }
        Matrix inverse = RotationTranslation(track->rotations[0].Conjugate(), Vector(0, 0, 0));
        Vertex& v = object.restMesh.vertices[i];
        float weight = object.weights[i].amounts[0];
        v.position = TransformDirection(inverse, v.position - track->translations[0]) * weight;
        v.normal = TransformDirection(inverse, v.normal);
        v.normal.Normalize();
    }
}

void SampleTrack(Track& track, int64_t t, int32_t first, int32_t last) {
    int64_t frames = int64_t{last} - first + 1;
    if (track.period <= 0 || frames <= 0 || t < 0 || first < 0) {
        return;
    }
    int64_t k = first + (t / track.period) % frames;
    int64_t next = k + 1 > last ? first : k + 1;
    size_t keys = track.translations.size();
    if (static_cast<size_t>(k) >= keys || static_cast<size_t>(next) >= keys) {
        return;
    }
    float f = static_cast<float>(t % track.period) / static_cast<float>(track.period);
    const Vector& t0 = track.translations[static_cast<size_t>(k)];
    const Vector& t1 = track.translations[static_cast<size_t>(next)];
    track.translation = t0 + (t1 - t0) * f;
    const Vector& p0 = track.pivots[static_cast<size_t>(k)];
    track.pivot = p0 + (track.pivots[static_cast<size_t>(next)] - p0) * f;
    track.rotation = Slerp(track.rotations[static_cast<size_t>(k)],
                           track.rotations[static_cast<size_t>(next)], f);
    track.matrix = RotationTranslation(track.rotation, track.translation);
}

void DeformMesh(AnimatedObject& object) {
    if (!WeightsFit(object)) {
        return;
    }
    for (size_t i = 0; i < object.restMesh.vertices.size(); ++i) {
        const Vertex& rest = object.restMesh.vertices[i];
        Vertex& moved = object.mesh.vertices[i];
        const Track* track = BoneOf(object, i);
        if (!track) {
            moved.position = rest.position;
            moved.normal = rest.normal;
            continue;
        }
        moved.position = TransformPoint(track->matrix, rest.position);
        // Only the bone's rotation turns a normal.
        moved.normal = TransformDirection(track->matrix, rest.normal);
        moved.normal.Normalize();
    }
}

}  // namespace scene
