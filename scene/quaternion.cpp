// Quaternion product and spherical interpolation.
#include "scene/quaternion.h"

#include <cmath>

namespace scene {

Quaternion Quaternion::operator*(const Quaternion& o) const {
    return Quaternion(w * o.x + x * o.w + y * o.z - z * o.y, w * o.y - x * o.z + y * o.w + z * o.x,
                      w * o.z + x * o.y - y * o.x + z * o.w, w * o.w - x * o.x - y * o.y - z * o.z);
}

Quaternion Slerp(const Quaternion& a, const Quaternion& b, float f) {
    float c = a.Dot(b);
    float sign = 1.0f;
    if (c < 0.0f) {
        c = -c;
        sign = -1.0f;
    }
    float wa = 1.0f - f;
    float wb = f;
    if (1.0f - c >= 0.000001f) {
        float omega = std::acos(c);
        float s = std::sin(omega);
        wa = std::sin((1.0f - f) * omega) / s;
        wb = std::sin(f * omega) / s;
    }
    wb *= sign;
    return Quaternion(wa * a.x + wb * b.x, wa * a.y + wb * b.y, wa * a.z + wb * b.z,
                      wa * a.w + wb * b.w);
}

}  // namespace scene
