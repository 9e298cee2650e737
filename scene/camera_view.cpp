// The camera's viewing direction and transform, and the frustum planes it yields.
#include "render/gl.h"

#include <cmath>

#include "scene/camera.h"

namespace scene {
namespace {

// c = p × m for column-major 4 × 4 matrices.
void Multiply(const float p[16], const float m[16], float c[16]) {
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) {
                sum += p[4 * k + row] * m[4 * column + k];
            }
            c[4 * column + row] = sum;
        }
    }
}

bool Inside(const float plane[4], float x, float y, float z) {
    return plane[0] * x + plane[1] * y + plane[2] * z + plane[3] > 0;
}

}  // namespace

void Camera::Update() {
    const float degrees = 3.1415927f * 0.0055555557f;
    float p = pitch * degrees;
    float h = heading * degrees;
    // (0, 0, 1) tilted about x by the pitch, then turned about y by the heading.
    float y = -std::sin(p);
    float z = std::cos(p);
    forward = Vector(-z * std::sin(h), y, z * std::cos(h));
    up = Vector(0, 1, 0);
}

void Camera::Advance(int64_t frameStamp) {
    Update();
    Vector target = position + forward;
    if (position.Components() != lastPosition.Components()) {
        changeStamp = frameStamp;
        lastPosition = position;
    } else if (target.Components() != lastTarget.Components()) {
        changeStamp = frameStamp;
        lastTarget = target;
    } else if (up.Components() != lastUp.Components()) {
        changeStamp = frameStamp;
        lastUp = up;
    }
}

void Camera::Look() const {
    Vector target = position + forward;
    gluLookAt(position.x, position.y, position.z, target.x, target.y, target.z, up.x, up.y, up.z);
}

void ViewFrustum::UpdateFrustum() {
    float projection[16], modelView[16], c[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    Multiply(projection, modelView, c);
    // Right, left, bottom, top, far, near: the fourth row plus or minus rows 0, 1 and 2.
    const int rows[6] = {0, 0, 1, 1, 2, 2};
    const float signs[6] = {-1, 1, 1, -1, -1, 1};
    for (int i = 0; i < 6; ++i) {
        float* plane = planes[i];
        for (int column = 0; column < 4; ++column) {
            plane[column] = c[4 * column + 3] + signs[i] * c[4 * column + rows[i]];
        }
        float length = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
        if (length != 0.0f) {
            for (float& value : planes[i]) {
                value *= 1.0f / length;
            }
        }
    }
}

bool ViewFrustum::BoxVisible(const Vector& centre, const Vector& halfSize) const {
    for (const float* plane : planes) {
        bool inside = false;
        for (int corner = 0; corner < 8 && !inside; ++corner) {
            float x = centre.x + ((corner & 1) ? halfSize.x : -halfSize.x);
            float y = centre.y + ((corner & 2) ? halfSize.y : -halfSize.y);
            float z = centre.z + ((corner & 4) ? halfSize.z : -halfSize.z);
            inside = Inside(plane, x, y, z);
        }
        if (!inside) {
            return false;
        }
    }
    return true;
}

}  // namespace scene
