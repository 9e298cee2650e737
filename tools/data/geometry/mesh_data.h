// A mesh being built for a scene file: world positions, normals and textured triangles.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "scene/vector.h"

namespace tools::data {

using scene::Vector;

struct MeshVertex {
    Vector position;
    Vector normal;
};

// Corners run counter-clockwise seen from the side the face shows; u, v per corner.
struct MeshFace {
    std::array<int32_t, 3> index{};
    std::array<float, 3> u{};
    std::array<float, 3> v{};
};

struct MeshData {
    std::vector<MeshVertex> vertices;
    std::vector<MeshFace> faces;

    int32_t AddVertex(const Vector& position, const Vector& normal);
    void AddFace(const MeshFace& face) { faces.push_back(face); }
    // Adds `other` with its indices moved past this mesh's vertices.
    void Append(const MeshData& other);
};

// An orthonormal, right-handed placement: local (x, y, z) lands at
// origin + x * axisX + y * axisY + z * axisZ.
struct Frame {
    Vector origin{0, 0, 0};
    Vector axisX{1, 0, 0};
    Vector axisY{0, 1, 0};
    Vector axisZ{0, 0, 1};

    Vector Point(const Vector& local) const;
    Vector Direction(const Vector& local) const;
    // This frame applied after `inner`.
    Frame Then(const Frame& inner) const;
};

Frame Translation(const Vector& origin);
// Turned by `degrees` about the vertical axis (counter-clockwise seen from above), at `origin`.
Frame TurnY(float degrees, const Vector& origin = Vector(0, 0, 0));
// Tilted by `degrees` about the x axis, at `origin`.
Frame TurnX(float degrees, const Vector& origin = Vector(0, 0, 0));
// Tilted by `degrees` about the z axis, at `origin`.
Frame TurnZ(float degrees, const Vector& origin = Vector(0, 0, 0));

MeshData Transformed(const MeshData& mesh, const Frame& frame);
// Scales positions by (sx, sy, sz) about the local origin; normals follow the surface.
MeshData Stretched(const MeshData& mesh, float sx, float sy, float sz);

// Merges vertices at the same position into one, averaging their normals, so that faces
// meeting at a hard edge share it: what the edge neighbours of shadow volumes need.
void WeldVertices(MeshData& mesh);

// Unit length, or zero when `v` has no length.
Vector Unit(Vector v);

}  // namespace tools::data
