// Solids of revolution, sheets, boxes and geodesic spheres.
#include "tools/data/geometry/mesh_shapes.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace tools::data {
namespace {

constexpr float kPi = 3.14159265358979f;
// A profile point this close to the axis is a pole: one vertex, not a ring.
constexpr float kPoleRadius = 1e-6f;

bool IsPole(const ProfilePoint& point) {
    return point.radius < kPoleRadius;
}

// The outward normal of the profile at point i, as (radial, vertical, 0).
Vector ProfileNormal(const std::vector<ProfilePoint>& profile, size_t i, bool loop) {
    size_t n = profile.size();
    size_t previous = i > 0 ? i - 1 : (loop ? n - 1 : 0);
    size_t next = i + 1 < n ? i + 1 : (loop ? 0 : n - 1);
    float radial = profile[next].radius - profile[previous].radius;
    float vertical = profile[next].height - profile[previous].height;
    return Vector(vertical, -radial, 0);
}

// Texture v at each profile point by length along the profile; one more entry when the
// profile loops, for the closing edge.
std::vector<float> ProfileV(const std::vector<ProfilePoint>& profile, bool loop, float repeat) {
    size_t n = profile.size();
    std::vector<float> v(1, 0.0f);
    for (size_t i = 1; i < n + (loop ? 1 : 0); ++i) {
        const ProfilePoint& a = profile[i - 1];
        const ProfilePoint& b = profile[i % n];
        v.push_back(v.back() + std::hypot(b.radius - a.radius, b.height - a.height));
    }
    for (float& value : v) {
        value = v.back() > 0 ? value / v.back() * repeat : 0.0f;
    }
    return v;
}

class Revolution {
public:
    Revolution(const std::vector<ProfilePoint>& profile, const LatheSweep& sweep, bool loop)
        : profile_(profile), sweep_(sweep), loop_(loop), full_(sweep.degrees >= 360.0f) {
        columns_ = full_ ? sweep.segments : sweep.segments + 1;
    }

    MeshData Build() {
        for (size_t i = 0; i < profile_.size(); ++i) {
            AddRing(i);
        }
        std::vector<float> v = ProfileV(profile_, loop_, sweep_.vRepeat);
        size_t rows = loop_ ? profile_.size() : profile_.size() - 1;
        for (size_t i = 0; i < rows; ++i) {
            for (int s = 0; s < sweep_.segments; ++s) {
                AddQuad(i, s, v[i], v[i + 1]);
            }
        }
        return std::move(mesh_);
    }

private:
    void AddRing(size_t i) {
        const ProfilePoint& point = profile_[i];
        Vector normal = ProfileNormal(profile_, i, loop_);
        first_.push_back(static_cast<int32_t>(mesh_.vertices.size()));
        if (IsPole(point)) {
            mesh_.AddVertex(Vector(0, point.height, 0), Vector(0, normal.y > 0 ? 1.0f : -1.0f, 0));
            return;
        }
        for (int c = 0; c < columns_; ++c) {
            float angle = Angle(c);
            float cosine = std::cos(angle), sine = std::sin(angle);
            mesh_.AddVertex(Vector(point.radius * cosine, point.height, point.radius * sine),
                            Vector(normal.x * cosine, normal.y, normal.x * sine));
        }
    }

    float Angle(int column) const {
        return sweep_.degrees * kPi / 180.0f * static_cast<float>(column) /
               static_cast<float>(sweep_.segments);
    }

    int32_t Corner(size_t ring, int segment) const {
        size_t i = ring % profile_.size();
        return IsPole(profile_[i]) ? first_[i] : first_[i] + segment % columns_;
    }

    void AddQuad(size_t i, int s, float v0, float v1) {
        float u0 = sweep_.uRepeat * static_cast<float>(s) / static_cast<float>(sweep_.segments);
        float u1 = sweep_.uRepeat * static_cast<float>(s + 1) / static_cast<float>(sweep_.segments);
        if (!IsPole(profile_[i])) {
            mesh_.AddFace(
                {{Corner(i, s), Corner(i + 1, s), Corner(i, s + 1)}, {u0, u0, u1}, {v0, v1, v0}});
        }
        if (!IsPole(profile_[(i + 1) % profile_.size()])) {
            mesh_.AddFace({{Corner(i, s + 1), Corner(i + 1, s), Corner(i + 1, s + 1)},
                           {u1, u0, u1},
                           {v0, v1, v1}});
        }
    }

    const std::vector<ProfilePoint>& profile_;
    LatheSweep sweep_;
    bool loop_;
    bool full_;
    int columns_;
    std::vector<int32_t> first_;
    MeshData mesh_;
};

// Two triangles per cell of a grid whose vertex (i, j) is at j * (cellsU + 1) + i.
void GridFaces(MeshData& mesh, int cellsU, int cellsV, float uRepeat, float vRepeat) {
    auto at = [cellsU](int i, int j) { return j * (cellsU + 1) + i; };
    for (int j = 0; j < cellsV; ++j) {
        float v0 = vRepeat * static_cast<float>(j) / static_cast<float>(cellsV);
        float v1 = vRepeat * static_cast<float>(j + 1) / static_cast<float>(cellsV);
        for (int i = 0; i < cellsU; ++i) {
            float u0 = uRepeat * static_cast<float>(i) / static_cast<float>(cellsU);
            float u1 = uRepeat * static_cast<float>(i + 1) / static_cast<float>(cellsU);
            mesh.AddFace({{at(i, j), at(i + 1, j), at(i, j + 1)}, {u0, u1, u0}, {v0, v0, v1}});
            mesh.AddFace(
                {{at(i, j + 1), at(i + 1, j), at(i + 1, j + 1)}, {u0, u1, u1}, {v1, v0, v1}});
        }
    }
}

struct Icosahedron {
    std::vector<Vector> points;
    std::vector<std::array<int32_t, 3>> faces;
};

Icosahedron UnitIcosahedron() {
    const float t = (1.0f + std::sqrt(5.0f)) / 2.0f;
    Icosahedron ico;
    ico.points = {{-1, t, 0},  {1, t, 0},  {-1, -t, 0}, {1, -t, 0}, {0, -1, t},  {0, 1, t},
                  {0, -1, -t}, {0, 1, -t}, {t, 0, -1},  {t, 0, 1},  {-t, 0, -1}, {-t, 0, 1}};
    for (Vector& point : ico.points) {
        point = Unit(point);
    }
    ico.faces = {{0, 11, 5}, {0, 5, 1},  {0, 1, 7},   {0, 7, 10}, {0, 10, 11},
                 {1, 5, 9},  {5, 11, 4}, {11, 10, 2}, {10, 7, 6}, {7, 1, 8},
                 {3, 9, 4},  {3, 4, 2},  {3, 2, 6},   {3, 6, 8},  {3, 8, 9},
                 {4, 9, 5},  {2, 4, 11}, {6, 2, 10},  {8, 6, 7},  {9, 8, 1}};
    return ico;
}

// Splits every face in four, the new points pushed out onto the unit sphere.
void Subdivide(Icosahedron& ico) {
    std::map<std::pair<int32_t, int32_t>, int32_t> middles;
    auto middle = [&](int32_t a, int32_t b) {
        auto key = std::minmax(a, b);
        auto [at, fresh] = middles.emplace(key, static_cast<int32_t>(ico.points.size()));
        if (fresh) {
            ico.points.push_back(Unit(ico.points[size_t(a)] + ico.points[size_t(b)]));
        }
        return at->second;
    };
    std::vector<std::array<int32_t, 3>> faces;
    for (const auto& f : ico.faces) {
        int32_t ab = middle(f[0], f[1]), bc = middle(f[1], f[2]), ca = middle(f[2], f[0]);
        faces.push_back({f[0], ab, ca});
        faces.push_back({f[1], bc, ab});
        faces.push_back({f[2], ca, bc});
        faces.push_back({ab, bc, ca});
    }
    ico.faces = std::move(faces);
}

}  // namespace

MeshData Lathe(const std::vector<ProfilePoint>& profile, const LatheSweep& sweep) {
    return Revolution(profile, sweep, false).Build();
}

MeshData LatheLoop(const std::vector<ProfilePoint>& profile, const LatheSweep& sweep) {
    return Revolution(profile, sweep, true).Build();
}

MeshData Cylinder(float radius, float height, int segments) {
    LatheSweep sweep;
    sweep.segments = segments;
    return Lathe({{0, 0}, {radius, 0}, {radius, height}, {0, height}}, sweep);
}

MeshData Sphere(float radius, int segments) {
    int rings = segments / 2;
    std::vector<ProfilePoint> profile;
    for (int k = 0; k <= rings; ++k) {
        float angle = -kPi / 2 + kPi * static_cast<float>(k) / static_cast<float>(rings);
        bool pole = k == 0 || k == rings;
        profile.push_back({pole ? 0.0f : radius * std::cos(angle), radius * std::sin(angle)});
    }
    LatheSweep sweep;
    sweep.segments = segments;
    return Lathe(profile, sweep);
}

MeshData Torus(float major, float minor, int segments, int sides) {
    std::vector<ProfilePoint> profile;
    for (int k = 0; k < sides; ++k) {
        float angle = 2 * kPi * static_cast<float>(k) / static_cast<float>(sides);
        profile.push_back({major + minor * std::cos(angle), minor * std::sin(angle)});
    }
    LatheSweep sweep;
    sweep.segments = segments;
    sweep.uRepeat = 4;
    return LatheLoop(profile, sweep);
}

MeshData Sheet(const Vector& corner, const Vector& edgeU, const Vector& edgeV, int cellsU,
               int cellsV, float uRepeat, float vRepeat) {
    MeshData mesh;
    Vector normal = edgeU.Cross(edgeV);
    for (int j = 0; j <= cellsV; ++j) {
        for (int i = 0; i <= cellsU; ++i) {
            float fu = static_cast<float>(i) / static_cast<float>(cellsU);
            float fv = static_cast<float>(j) / static_cast<float>(cellsV);
            mesh.AddVertex(corner + edgeU * fu + edgeV * fv, normal);
        }
    }
    GridFaces(mesh, cellsU, cellsV, uRepeat, vRepeat);
    return mesh;
}

MeshData Terrain(const TerrainArea& area, const std::function<float(float, float)>& height) {
    MeshData mesh;
    float cell = area.size / static_cast<float>(area.cells);
    // Rows run along x and columns along z, so that the faces look up.
    for (int j = 0; j <= area.cells; ++j) {
        for (int i = 0; i <= area.cells; ++i) {
            float x = area.minX + cell * static_cast<float>(j);
            float z = area.minZ + cell * static_cast<float>(i);
            Vector normal(height(x - cell, z) - height(x + cell, z), 2 * cell,
                          height(x, z - cell) - height(x, z + cell));
            mesh.AddVertex(Vector(x, height(x, z), z), normal);
        }
    }
    float repeat = area.size / area.textureSize;
    GridFaces(mesh, area.cells, area.cells, repeat, repeat);
    return mesh;
}

MeshData Tube(const std::vector<Vector>& path, float radius, int sides) {
    MeshData mesh;
    size_t n = path.size();
    // Column i follows the path and row j goes round it, so the faces look outwards.
    for (int j = 0; j <= sides; ++j) {
        float angle = 2 * kPi * static_cast<float>(j) / static_cast<float>(sides);
        for (size_t i = 0; i < n; ++i) {
            Vector along = Unit(path[std::min(i + 1, n - 1)] - path[i > 0 ? i - 1 : 0]);
            Vector across = Unit(along.Cross(Vector(0, 1, 0)));
            Vector third = across.Cross(along);
            Vector normal = across * std::cos(angle) + third * std::sin(angle);
            mesh.AddVertex(path[i] + normal * radius, normal);
        }
    }
    GridFaces(mesh, static_cast<int>(n) - 1, sides, static_cast<float>(n) / 8.0f, 1.0f);
    return mesh;
}

MeshData Box(const Vector& halfSize, float textureSize) {
    const Vector x(halfSize.x, 0, 0), y(0, halfSize.y, 0), z(0, 0, halfSize.z);
    // Each side as (outward half-extent, u, v) with u x v pointing outwards.
    const Vector sides[6][3] = {{x, y, z},  {-x, z, y}, {y, z, x},
                                {-y, x, z}, {z, x, y},  {-z, y, x}};
    MeshData mesh;
    for (const auto& side : sides) {
        const Vector& u = side[1];
        const Vector& v = side[2];
        float uRepeat = 2 * u.Length() / textureSize, vRepeat = 2 * v.Length() / textureSize;
        mesh.Append(Sheet(side[0] - u - v, u * 2, v * 2, 1, 1, uRepeat, vRepeat));
    }
    return mesh;
}

MeshData GeodesicSphere(float radius, int subdivisions) {
    Icosahedron ico = UnitIcosahedron();
    for (int i = 0; i < subdivisions; ++i) {
        Subdivide(ico);
    }
    MeshData mesh;
    for (const Vector& point : ico.points) {
        mesh.AddVertex(point * radius, point);
    }
    for (const auto& f : ico.faces) {
        MeshFace face{f, {}, {}};
        for (int k = 0; k < 3; ++k) {
            const Vector& p = ico.points[static_cast<size_t>(f[size_t(k)])];
            face.u[size_t(k)] = 0.5f + std::atan2(p.z, p.x) / (2 * kPi);
            face.v[size_t(k)] = 0.5f - std::asin(p.y) / kPi;
        }
        mesh.AddFace(face);
    }
    return mesh;
}

}  // namespace tools::data
