// The scene files' coordinate system turned into the engine's: x negated, y and z
// exchanged.
#pragma once

#include "scene/quaternion.h"
#include "scene/vector.h"

namespace scene {

inline Vector SwapAxes(float x, float y, float z) {
    return Vector(-x, z, y);
}

// A file position scaled, turned and moved by `offset`.
inline Vector FilePosition(float x, float y, float z, float scale, const Vector& offset) {
    return SwapAxes(x, y, z) * scale + offset;
}

// A file normal turned and made unit length (a zero normal stays zero).
inline Vector FileNormal(float x, float y, float z) {
    Vector n = SwapAxes(x, y, z);
    n.Normalize();
    return n;
}

// A file rotation (a, b, c, d) in engine axes.
inline Quaternion FileRotation(float a, float b, float c, float d) {
    return Quaternion(-a, c, b, -d);
}

}  // namespace scene
