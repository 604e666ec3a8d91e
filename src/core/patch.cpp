#include "core/patch.h"

#include "core/colorvalue.h"

#include <algorithm>
#include <cmath>

namespace {

int level8(int level, int bits) {
    const int top = (1 << bits) - 1;
    if (bits == 8)
        return std::clamp(level, 0, 255);
    return int(std::lround(double(std::clamp(level, 0, top)) * 255.0 / top));
}

int edge(double value, int extent) {
    if (!std::isfinite(value))
        return value > 0 ? extent : 0;
    return int(std::clamp(std::round(value), 0.0, double(extent)));
}

} // namespace

std::int32_t nearestColor8(const PatchLevels& levels) {
    return ColorFromComponents(level8(levels.red, levels.bits), level8(levels.green, levels.bits),
                               level8(levels.blue, levels.bits));
}

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
