#include "core/convexhull.h"

#include <algorithm>

namespace {

// Positive when o, a, b turn counter-clockwise.
double turn(const PlanePoint& o, const PlanePoint& a, const PlanePoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

} // namespace

// Andrew's monotone chain.
std::vector<PlanePoint> convexHull(std::vector<PlanePoint> points) {
    const auto before = [](const PlanePoint& a, const PlanePoint& b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    };
    const auto same = [](const PlanePoint& a, const PlanePoint& b) {
        return a.x == b.x && a.y == b.y;
    };
    std::sort(points.begin(), points.end(), before);
    points.erase(std::unique(points.begin(), points.end(), same), points.end());
    if (points.size() < 3)
        return points;
    std::vector<PlanePoint> hull(2 * points.size());
    std::size_t size = 0;
    for (const PlanePoint& p : points) {
        while (size >= 2 && turn(hull[size - 2], hull[size - 1], p) <= 0)
            --size;
        hull[size++] = p;
    }
    const std::size_t lowerSize = size + 1;
    for (auto p = points.rbegin() + 1; p != points.rend(); ++p) {
        while (size >= lowerSize && turn(hull[size - 2], hull[size - 1], *p) <= 0)
            --size;
        hull[size++] = *p;
    }
    // The last corner closes the loop on the first.
    hull.resize(size - 1);
    return hull;
}
