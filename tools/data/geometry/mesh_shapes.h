// Shapes for the scenes: solids of revolution, flat and height-field sheets, boxes, geodesic
// spheres. All are built about the local origin; Transformed places them.
#pragma once

#include <functional>
#include <vector>

#include "tools/data/geometry/mesh_data.h"

namespace tools::data {

// A point of a lathe profile: distance from the vertical axis and height.
struct ProfilePoint {
    float radius;
    float height;
};

struct LatheSweep {
    int segments = 16;
    float degrees = 360.0f;  // less than a full turn leaves the ends open
    float uRepeat = 1.0f;    // texture repeats around the turn
    float vRepeat = 1.0f;    // texture repeats along the profile
};

// Turns `profile` about the y axis. A profile that starts and ends on the axis, turned a
// full circle, is closed: every edge joins two faces. The profile runs upwards on the
// outside of the solid.
MeshData Lathe(const std::vector<ProfilePoint>& profile, const LatheSweep& sweep);
// The same with the profile's last point joined back to its first: a ring.
MeshData LatheLoop(const std::vector<ProfilePoint>& profile, const LatheSweep& sweep);

// A closed solid cylinder standing on the origin.
MeshData Cylinder(float radius, float height, int segments);
// A closed sphere about the origin.
MeshData Sphere(float radius, int segments);
// A closed ring about the y axis: `major` to the tube's centre, `minor` the tube's radius.
MeshData Torus(float major, float minor, int segments, int sides);

// A flat rectangle from `corner` along `edgeU` and `edgeV`, cut into cells; its face
// shows towards edgeU x edgeV. Texture coordinates run 0..uRepeat and 0..vRepeat.
MeshData Sheet(const Vector& corner, const Vector& edgeU, const Vector& edgeV, int cellsU,
               int cellsV, float uRepeat, float vRepeat);

// Ground over x in [minX, minX + size] and z in [minZ, minZ + size] at height(x, z),
// facing up; the texture repeats every `textureSize` units.
struct TerrainArea {
    float minX;
    float minZ;
    float size;
    int cells;
    float textureSize;
};
MeshData Terrain(const TerrainArea& area, const std::function<float(float, float)>& height);

// A round tube along `path`, open at its ends.
MeshData Tube(const std::vector<Vector>& path, float radius, int sides);

// An axis-aligned box about the origin with hard edges; its faces do not share edges.
MeshData Box(const Vector& halfSize, float textureSize);
// A sphere made of `2 + 10 * 4^subdivisions` welded points, facets of near-equal size.
MeshData GeodesicSphere(float radius, int subdivisions);

}  // namespace tools::data
