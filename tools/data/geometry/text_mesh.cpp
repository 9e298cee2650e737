// Extruding triangulated glyph outlines: a front, a back and a wall along every contour.
#include "tools/data/geometry/text_mesh.h"

#include <cmath>

namespace tools::data {
namespace {

Vector At(const Point2& p, float size, float z) {
    return Vector(static_cast<float>(p.x) * size, static_cast<float>(p.y) * size, z);
}

void AddCaps(const Triangulation& shape, const TextStyle& style, MeshData& mesh) {
    int32_t front = static_cast<int32_t>(mesh.vertices.size());
    for (const Point2& p : shape.points) {
        mesh.AddVertex(At(p, style.size, 0), Vector(0, 0, 1));
    }
    int32_t back = static_cast<int32_t>(mesh.vertices.size());
    for (const Point2& p : shape.points) {
        mesh.AddVertex(At(p, style.size, -style.depth), Vector(0, 0, -1));
    }
    for (const auto& t : shape.triangles) {
        MeshFace face;
        for (size_t k = 0; k < 3; ++k) {
            const Point2& p = shape.points[static_cast<size_t>(t[k])];
            face.u[k] = static_cast<float>(p.x);
            face.v[k] = static_cast<float>(p.y);
        }
        MeshFace reversed = face;
        std::swap(reversed.u[1], reversed.u[2]);
        std::swap(reversed.v[1], reversed.v[2]);
        face.index = {front + t[0], front + t[1], front + t[2]};
        reversed.index = {back + t[0], back + t[2], back + t[1]};
        mesh.AddFace(face);
        mesh.AddFace(reversed);
    }
}

// One wall quad along the edge a -> b, the filled region on its left.
void AddWall(const Point2& a, const Point2& b, float along, const TextStyle& style,
             MeshData& mesh) {
    Vector normal(static_cast<float>(b.y - a.y), static_cast<float>(a.x - b.x), 0);
    float length = static_cast<float>(std::hypot(b.x - a.x, b.y - a.y));
    int32_t af = mesh.AddVertex(At(a, style.size, 0), normal);
    int32_t bf = mesh.AddVertex(At(b, style.size, 0), normal);
    int32_t ak = mesh.AddVertex(At(a, style.size, -style.depth), normal);
    int32_t bk = mesh.AddVertex(At(b, style.size, -style.depth), normal);
    float u0 = along, u1 = along + length, v1 = style.depth / style.size;
    mesh.AddFace({{af, ak, bf}, {u0, u0, u1}, {0, v1, 0}});
    mesh.AddFace({{bf, ak, bk}, {u1, u0, u1}, {0, v1, v1}});
}

void AddWalls(const Triangulation& shape, const TextStyle& style, MeshData& mesh) {
    for (const auto& boundary : shape.boundaries) {
        float along = 0;
        for (size_t k = 0; k < boundary.size(); ++k) {
            const Point2& a = shape.points[static_cast<size_t>(boundary[k])];
            const Point2& b =
                shape.points[static_cast<size_t>(boundary[(k + 1) % boundary.size()])];
            AddWall(a, b, along, style, mesh);
            along += static_cast<float>(std::hypot(b.x - a.x, b.y - a.y));
        }
    }
}

}  // namespace

TextMesh ExtrudedText(const OutlineFont& font, const std::string& text, const TextStyle& style) {
    LineOutline line = font.Line(text, style.curveSteps);
    Triangulation shape = TriangulateRegion(line.contours);
    TextMesh result;
    AddCaps(shape, style, result.mesh);
    AddWalls(shape, style, result.mesh);
    result.width = static_cast<float>(line.width) * style.size;
    return result;
}

}  // namespace tools::data
