// Quaternion: a rotation as four floats x, y, z, w (object orientations, bone rotations).
#pragma once

namespace scene {

class Quaternion {
public:
    Quaternion() = default;
    Quaternion(float x, float y, float z, float w) : x(x), y(y), z(z), w(w) {}

    // All four 0 in a fresh quaternion; the rotation matrix turns that into no rotation.
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float w = 0.0f;

    Quaternion operator*(const Quaternion& o) const;
    float Dot(const Quaternion& o) const { return x * o.x + y * o.y + z * o.z + w * o.w; }
    // The inverse rotation of a unit quaternion.
    Quaternion Conjugate() const { return Quaternion(-x, -y, -z, w); }
};

// Spherical interpolation from `a` (f = 0) to `b` (f = 1) the short way round; the
// result is not renormalised.
Quaternion Slerp(const Quaternion& a, const Quaternion& b, float f);

}  // namespace scene
