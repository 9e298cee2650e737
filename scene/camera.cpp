// The per-triangle view test.
#include "scene/camera.h"

namespace scene {

bool ViewFrustum::TriangleVisible(const Vector& a, const Vector& b, const Vector& c,
                                  bool transform) const {
    Vector corners[3] = {a, b, c};
    if (transform) {
        for (Vector& corner : corners) {
            corner = TransformPoint(modelMatrix, corner);
        }
    }
    for (const float* p : planes) {
        bool inside = false;
        for (const Vector& v : corners) {
            if (p[0] * v.x + p[1] * v.y + p[2] * v.z + p[3] > 0) {
                inside = true;
                break;
            }
        }
        if (!inside) {
            return false;
        }
    }
    return true;
}

}  // namespace scene
