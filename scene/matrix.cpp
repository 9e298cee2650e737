// Matrix building and transforms.
#include "scene/matrix.h"

#include <algorithm>

namespace scene {

bool Matrix::operator==(const Matrix& o) const {
    return std::equal(m, m + 16, o.m);
}

Matrix RotationTranslation(const Quaternion& q, const Vector& translation) {
    float x = q.x, y = q.y, z = q.z, w = q.w;
    return {{1 - 2 * (y * y + z * z), 2 * (x * y + w * z), 2 * (x * z - w * y), 0,  //
             2 * (x * y - w * z), 1 - 2 * (x * x + z * z), 2 * (y * z + w * x), 0,  //
             2 * (x * z + w * y), 2 * (y * z - w * x), 1 - 2 * (x * x + y * y), 0,  //
             translation.x, translation.y, translation.z, translation.w}};
}

Vector TransformPoint(const Matrix& m, const Vector& p) {
    if (m == identityMatrix) {
        return p;
    }
    const float* a = m.m;
    Vector r(a[0] * p.x + a[4] * p.y + a[8] * p.z + a[12] * p.w,
             a[1] * p.x + a[5] * p.y + a[9] * p.z + a[13] * p.w,
             a[2] * p.x + a[6] * p.y + a[10] * p.z + a[14] * p.w,
             a[3] * p.x + a[7] * p.y + a[11] * p.z + a[15] * p.w);
    if (r.w != 0.0f) {
        r = Vector(r.x / r.w, r.y / r.w, r.z / r.w, r.w / r.w);
    }
    return r;
}

Vector TransformDirection(const Matrix& m, const Vector& d) {
    const float* a = m.m;
    return Vector(a[0] * d.x + a[4] * d.y + a[8] * d.z, a[1] * d.x + a[5] * d.y + a[9] * d.z,
                  a[2] * d.x + a[6] * d.y + a[10] * d.z, d.w);
}

}  // namespace scene
