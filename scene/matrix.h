// 4 x 4 matrices, 16 floats in column-major order as OpenGL takes them.
#pragma once

#include "scene/quaternion.h"
#include "scene/vector.h"

namespace scene {

struct Matrix {
    float m[16];

    bool operator==(const Matrix& o) const;
    bool operator!=(const Matrix& o) const { return !(*this == o); }
};

// The process-wide identity: transforms by it are skipped.
inline const Matrix identityMatrix = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

// Rotation of `q` in the upper 3 x 3 block (the all-zero quaternion gives none) and
// `translation` (x, y, z, w) as column 3.
Matrix RotationTranslation(const Quaternion& q, const Vector& translation);

// `m` times the point (x, y, z, w), divided by the result's w unless that is 0.
// Returned unchanged when `m` is the identity.
Vector TransformPoint(const Matrix& m, const Vector& point);
// The upper 3 x 3 block times (x, y, z): directions and normals, which a translation
// must not move. w is kept.
Vector TransformDirection(const Matrix& m, const Vector& direction);

}  // namespace scene
