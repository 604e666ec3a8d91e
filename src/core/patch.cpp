#include "core/patch.h"

#include <algorithm>
#include <cmath>

namespace {

int edge(double value, int extent) {
    if (!std::isfinite(value))
        return value > 0 ? extent : 0;
    return int(std::clamp(std::round(value), 0.0, double(extent)));
}

} // namespace

PixelRect patchRectangle(const std::optional<PatchGeometry>& geometry, int width, int height) {
    if (!geometry)
        return {0, 0, width, height};
    const PatchGeometry& g = *geometry;
    const bool fractions = std::max({g.x, g.y, g.width, g.height}) <= 1.0;
    const double w = fractions ? width : 1.0;
    const double h = fractions ? height : 1.0;
    return {edge(g.x * w, width), edge(g.y * h, height), edge((g.x + g.width) * w, width),
            edge((g.y + g.height) * h, height)};
}
