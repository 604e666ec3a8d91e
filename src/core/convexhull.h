#pragma once

#include <vector>

struct PlanePoint {
    double x;
    double y;
};

// The corners of the smallest convex polygon around the points, counter-clockwise, without
// repeats; one or two points when they all coincide or lie on a line. Points on an edge are left
// out; with rounding, a point left out may lie outside the polygon by a few units in the last
// place of the coordinates.
std::vector<PlanePoint> convexHull(std::vector<PlanePoint> points);
