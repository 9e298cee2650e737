// Ear clipping, with each hole first joined to its outline by a bridge to a visible point.
#include "tools/data/geometry/polygon_triangulation.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace tools::data {
namespace {

using Ring = std::vector<int32_t>;  // indices into the points, counter-clockwise

double Area2(const Point2& a, const Point2& b, const Point2& c) {
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

bool Same(const Point2& a, const Point2& b) {
    return a.x == b.x && a.y == b.y;
}

// Drops repeated points and points on the line through their neighbours.
Contour Cleaned(const Contour& contour) {
    Contour points;
    for (const Point2& p : contour) {
        if (points.empty() || !Same(points.back(), p)) {
            points.push_back(p);
        }
    }
    while (points.size() > 1 && Same(points.front(), points.back())) {
        points.pop_back();
    }
    bool changed = true;
    while (changed && points.size() >= 3) {
        changed = false;
        for (size_t i = 0; i < points.size() && points.size() >= 3; ++i) {
            const Point2& a = points[(i + points.size() - 1) % points.size()];
            const Point2& c = points[(i + 1) % points.size()];
            double scale = std::hypot(c.x - a.x, c.y - a.y);
            if (std::fabs(Area2(a, points[i], c)) <= 1e-9 * scale * scale) {
                points.erase(points.begin() + static_cast<long>(i));
                changed = true;
            }
        }
    }
    return points.size() >= 3 ? points : Contour();
}

bool Inside(const Contour& contour, const Point2& p) {
    bool inside = false;
    for (size_t i = 0, j = contour.size() - 1; i < contour.size(); j = i++) {
        const Point2& a = contour[i];
        const Point2& b = contour[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

struct Region {
    Ring outline;
    std::vector<Ring> holes;
};

class Triangulator {
public:
    explicit Triangulator(const std::vector<Contour>& contours) {
        for (const Contour& contour : contours) {
            Contour clean = Cleaned(contour);
            if (clean.empty()) {
                continue;
            }
            Ring ring(clean.size());
            std::iota(ring.begin(), ring.end(), static_cast<int32_t>(result_.points.size()));
            result_.points.insert(result_.points.end(), clean.begin(), clean.end());
            contours_.push_back(clean);
            rings_.push_back(ring);
        }
    }

    Triangulation Run() {
        for (Region& region : Regions()) {
            result_.boundaries.push_back(region.outline);
            result_.boundaries.insert(result_.boundaries.end(), region.holes.begin(),
                                      region.holes.end());
            Ring ring = region.outline;
            std::sort(region.holes.begin(), region.holes.end(),
                      [this](const Ring& a, const Ring& b) { return MaxX(a) > MaxX(b); });
            for (const Ring& hole : region.holes) {
                Bridge(ring, hole);
            }
            ClipEars(ring);
        }
        return std::move(result_);
    }

private:
    const Point2& At(int32_t index) const { return result_.points[static_cast<size_t>(index)]; }

    double MaxX(const Ring& ring) const {
        double best = -HUGE_VAL;
        for (int32_t index : ring) {
            best = std::max(best, At(index).x);
        }
        return best;
    }

    // Outlines counter-clockwise, holes clockwise, each hole with its innermost outline.
    std::vector<Region> Regions() const {
        size_t n = rings_.size();
        std::vector<int> depth(n, 0);
        std::vector<int> parent(n, -1);
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = 0; j < n; ++j) {
                if (i != j && Inside(contours_[j], contours_[i][0])) {
                    ++depth[i];
                }
            }
        }
        std::vector<Region> regions;
        std::vector<int> regionOf(n, -1);
        for (size_t i = 0; i < n; ++i) {
            if (depth[i] % 2 == 0) {
                regionOf[i] = static_cast<int>(regions.size());
                regions.push_back({Oriented(i, true), {}});
            }
        }
        for (size_t i = 0; i < n; ++i) {
            for (size_t j = 0; j < n && depth[i] % 2 == 1; ++j) {
                if (depth[j] == depth[i] - 1 && Inside(contours_[j], contours_[i][0])) {
                    parent[i] = static_cast<int>(j);
                }
            }
            if (parent[i] >= 0) {
                regions[size_t(regionOf[size_t(parent[i])])].holes.push_back(Oriented(i, false));
            }
        }
        return regions;
    }

    Ring Oriented(size_t i, bool counterClockwise) const {
        Ring ring = rings_[i];
        if ((SignedArea2(contours_[i]) > 0) != counterClockwise) {
            std::reverse(ring.begin(), ring.end());
        }
        return ring;
    }

    // Whether m lies within the angle that the ring makes at position k.
    bool InCone(const Ring& ring, size_t k, const Point2& m) const {
        const Point2& a0 = At(ring[(k + ring.size() - 1) % ring.size()]);
        const Point2& a = At(ring[k]);
        const Point2& a1 = At(ring[(k + 1) % ring.size()]);
        if (Area2(a0, a, a1) >= 0) {
            return Area2(a, m, a0) > 0 && Area2(m, a, a1) > 0;
        }
        return !(Area2(a, m, a1) >= 0 && Area2(m, a, a0) >= 0);
    }

    // The ring position that a bridge from m (rightmost point of a hole) reaches.
    size_t VisiblePosition(const Ring& ring, const Point2& m) const {
        double nearest = HUGE_VAL;
        size_t candidate = 0;
        for (size_t i = 0; i < ring.size(); ++i) {
            const Point2& a = At(ring[i]);
            const Point2& b = At(ring[(i + 1) % ring.size()]);
            if ((a.y > m.y) == (b.y > m.y)) {
                continue;
            }
            double x = a.x + (m.y - a.y) * (b.x - a.x) / (b.y - a.y);
            if (x >= m.x && x < nearest) {
                nearest = x;
                candidate = a.x > b.x ? i : (i + 1) % ring.size();
            }
        }
        // A ring point inside the triangle (m, hit, candidate) would block the bridge; the
        // one nearest the ray's direction is visible.
        const Point2 hit{nearest, m.y};
        const Point2& p = At(ring[candidate]);
        double bestCos = -2;
        for (size_t i = 0; i < ring.size(); ++i) {
            const Point2& q = At(ring[i]);
            bool blocks = !Same(q, p) && q.x >= m.x && InTriangle(m, hit, p, q);
            bool isCandidate = Same(q, p);
            if ((blocks || isCandidate) && InCone(ring, i, m)) {
                double cosine = (q.x - m.x) / std::hypot(q.x - m.x, q.y - m.y);
                if (cosine > bestCos) {
                    bestCos = cosine;
                    candidate = i;
                }
            }
        }
        return candidate;
    }

    void Bridge(Ring& ring, const Ring& hole) {
        size_t start = 0;
        for (size_t i = 1; i < hole.size(); ++i) {
            if (At(hole[i]).x > At(hole[start]).x) {
                start = i;
            }
        }
        size_t at = VisiblePosition(ring, At(hole[start]));
        Ring joined(ring.begin(), ring.begin() + static_cast<long>(at) + 1);
        for (size_t i = 0; i <= hole.size(); ++i) {
            joined.push_back(hole[(start + i) % hole.size()]);
        }
        joined.insert(joined.end(), ring.begin() + static_cast<long>(at), ring.end());
        ring = std::move(joined);
    }

    static bool InTriangle(const Point2& a, const Point2& b, const Point2& c, const Point2& p) {
        double d1 = Area2(a, b, p), d2 = Area2(b, c, p), d3 = Area2(c, a, p);
        bool negative = d1 < 0 || d2 < 0 || d3 < 0;
        bool positive = d1 > 0 || d2 > 0 || d3 > 0;
        return !(negative && positive);
    }

    bool IsEar(const Ring& ring, size_t i) const {
        size_t n = ring.size();
        const Point2& a = At(ring[(i + n - 1) % n]);
        const Point2& b = At(ring[i]);
        const Point2& c = At(ring[(i + 1) % n]);
        if (Area2(a, b, c) <= 0) {
            return false;
        }
        for (int32_t index : ring) {
            const Point2& p = At(index);
            if (!Same(p, a) && !Same(p, b) && !Same(p, c) && InTriangle(a, b, c, p)) {
                return false;
            }
        }
        return true;
    }

    // The ear to cut next; without one (only slivers are left), the flattest corner.
    size_t NextEar(const Ring& ring) const {
        size_t flattest = 0;
        double smallest = HUGE_VAL;
        for (size_t i = 0; i < ring.size(); ++i) {
            if (IsEar(ring, i)) {
                return i;
            }
            size_t n = ring.size();
            double area =
                std::fabs(Area2(At(ring[(i + n - 1) % n]), At(ring[i]), At(ring[(i + 1) % n])));
            if (area < smallest) {
                smallest = area;
                flattest = i;
            }
        }
        return flattest;
    }

    void ClipEars(Ring ring) {
        while (ring.size() >= 3) {
            size_t n = ring.size();
            size_t i = NextEar(ring);
            int32_t a = ring[(i + n - 1) % n], b = ring[i], c = ring[(i + 1) % n];
            if (Area2(At(a), At(b), At(c)) > 0) {
                result_.triangles.push_back({a, b, c});
            }
            ring.erase(ring.begin() + static_cast<long>(i));
        }
    }

    std::vector<Contour> contours_;
    std::vector<Ring> rings_;
    Triangulation result_;
};

}  // namespace

double SignedArea2(const Contour& contour) {
    double sum = 0;
    for (size_t i = 0, j = contour.size() - 1; i < contour.size(); j = i++) {
        sum += (contour[j].x - contour[i].x) * (contour[j].y + contour[i].y);
    }
    return sum;
}

Triangulation TriangulateRegion(const std::vector<Contour>& contours) {
    return Triangulator(contours).Run();
}

}  // namespace tools::data
