// Building, placing and welding meshes.
#include "tools/data/geometry/mesh_data.h"

#include <cmath>
#include <map>
#include <tuple>

namespace tools::data {
namespace {

constexpr float kDegrees = 3.14159265358979f / 180.0f;

// Positions closer than this are one point when welding.
constexpr float kWeldGrid = 1e-3f;

Frame Turn(const Vector& origin, const Vector& x, const Vector& y, const Vector& z) {
    Frame frame;
    frame.origin = origin;
    frame.axisX = x;
    frame.axisY = y;
    frame.axisZ = z;
    return frame;
}

std::tuple<long, long, long> WeldKey(const Vector& p) {
    return {std::lround(p.x / kWeldGrid), std::lround(p.y / kWeldGrid),
            std::lround(p.z / kWeldGrid)};
}

}  // namespace

Vector Unit(Vector v) {
    v.Normalize();
    v.w = 1.0f;
    return v;
}

int32_t MeshData::AddVertex(const Vector& position, const Vector& normal) {
    vertices.push_back({position, Unit(normal)});
    return static_cast<int32_t>(vertices.size()) - 1;
}

void MeshData::Append(const MeshData& other) {
    auto shift = static_cast<int32_t>(vertices.size());
    vertices.insert(vertices.end(), other.vertices.begin(), other.vertices.end());
    for (MeshFace face : other.faces) {
        for (int32_t& index : face.index) {
            index += shift;
        }
        faces.push_back(face);
    }
}

Vector Frame::Direction(const Vector& local) const {
    return axisX * local.x + axisY * local.y + axisZ * local.z;
}

Vector Frame::Point(const Vector& local) const {
    return origin + Direction(local);
}

Frame Frame::Then(const Frame& inner) const {
    return Turn(Point(inner.origin), Direction(inner.axisX), Direction(inner.axisY),
                Direction(inner.axisZ));
}

Frame Translation(const Vector& origin) {
    return Turn(origin, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
}

Frame TurnY(float degrees, const Vector& origin) {
    float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
    return Turn(origin, {c, 0, -s}, {0, 1, 0}, {s, 0, c});
}

Frame TurnX(float degrees, const Vector& origin) {
    float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
    return Turn(origin, {1, 0, 0}, {0, c, s}, {0, -s, c});
}

Frame TurnZ(float degrees, const Vector& origin) {
    float c = std::cos(degrees * kDegrees), s = std::sin(degrees * kDegrees);
    return Turn(origin, {c, s, 0}, {-s, c, 0}, {0, 0, 1});
}

MeshData Transformed(const MeshData& mesh, const Frame& frame) {
    MeshData out = mesh;
    for (MeshVertex& vertex : out.vertices) {
        vertex.position = frame.Point(vertex.position);
        vertex.normal = Unit(frame.Direction(vertex.normal));
    }
    return out;
}

MeshData Stretched(const MeshData& mesh, float sx, float sy, float sz) {
    MeshData out = mesh;
    for (MeshVertex& vertex : out.vertices) {
        const Vector& p = vertex.position;
        const Vector& n = vertex.normal;
        vertex.position = Vector(p.x * sx, p.y * sy, p.z * sz);
        // Normals take the inverse scale so that they stay square to the surface.
        vertex.normal = Unit(Vector(n.x / sx, n.y / sy, n.z / sz));
    }
    return out;
}

void WeldVertices(MeshData& mesh) {
    std::map<std::tuple<long, long, long>, int32_t> first;
    std::vector<int32_t> target(mesh.vertices.size());
    std::vector<MeshVertex> welded;
    for (size_t i = 0; i < mesh.vertices.size(); ++i) {
        const MeshVertex& vertex = mesh.vertices[i];
        auto [at, fresh] = first.emplace(WeldKey(vertex.position), int32_t(welded.size()));
        if (fresh) {
            welded.push_back({vertex.position, Vector(0, 0, 0)});
        }
        target[i] = at->second;
        Vector& normal = welded[static_cast<size_t>(at->second)].normal;
        normal = normal + vertex.normal;
    }
    for (MeshVertex& vertex : welded) {
        vertex.normal = Unit(vertex.normal);
    }
    for (MeshFace& face : mesh.faces) {
        for (int32_t& index : face.index) {
            index = target[static_cast<size_t>(index)];
        }
    }
    mesh.vertices = std::move(welded);
}

}  // namespace tools::data
