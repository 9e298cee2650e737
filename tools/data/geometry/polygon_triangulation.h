// Cutting a filled plane region, outlines with holes such as a glyph's, into triangles.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace tools::data {

struct Point2 {
    double x;
    double y;
};

using Contour = std::vector<Point2>;

struct Triangulation {
    // The contours' points, repeated and collinear ones left out, contour after contour.
    std::vector<Point2> points;
    // Indices into `points`, each triangle counter-clockwise.
    std::vector<std::array<int32_t, 3>> triangles;
    // Each contour as indices into `points`, turned so that the region lies on its left.
    std::vector<std::vector<int32_t>> boundaries;
};

// Twice the signed area: positive when the contour runs counter-clockwise.
double SignedArea2(const Contour& contour);

// `contours` are closed outlines in either direction; a contour inside an odd number of
// others is a hole. Contours must not cross one another.
Triangulation TriangulateRegion(const std::vector<Contour>& contours);

}  // namespace tools::data
