// The view a scene is drawn from, as far as the scene drawing needs it: the model
// matrix of the object being drawn and the per-triangle view test. The camera's
// placement, its path and the frustum update from the OpenGL matrices build on this.
#pragma once

#include <cstdint>

#include "scene/matrix.h"
#include "scene/vector.h"

namespace scene {

struct ViewFrustum {
    // Right, left, bottom, top, far, near as (a, b, c, d); a point is inside a plane
    // when a·x + b·y + c·z + d > 0. Until the first update every point is inside.
    float planes[6][4] = {{0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1},
                          {0, 0, 0, 1}, {0, 0, 0, 1}, {0, 0, 0, 1}};
    // The transform of the object being drawn, copied in by the mesh drawing.
    Matrix modelMatrix = identityMatrix;

    // False when all three corners lie outside one plane; `transform` first brings
    // them from the object's coordinates into the world with modelMatrix.
    bool TriangleVisible(const Vector& a, const Vector& b, const Vector& c, bool transform) const;
    // Recomputes the planes from the current OpenGL projection and model-view matrices.
    void UpdateFrustum();
    // False when the axis-aligned box lies wholly outside one plane.
    bool BoxVisible(const Vector& centre, const Vector& halfSize) const;
};

class Camera {
public:
    virtual ~Camera() = default;

    // Rebuilds `forward` and `up` from `heading` and `pitch` (degrees).
    void Update();
    // Update, then note whether the view changed in frame `frameStamp`.
    void Advance(int64_t frameStamp);
    // gluLookAt from the position along `forward`.
    void Look() const;

    Vector position;
    Vector forward{0, 0, 1};
    Vector up{0, 1, 0};
    float heading = 0.0f;
    float pitch = 0.0f;
    // The frame stamp of the last frame whose view differed from the one before.
    int64_t changeStamp = 0;
    Vector lastPosition;
    Vector lastTarget;
    Vector lastUp;
    ViewFrustum frustum;
};

}  // namespace scene
