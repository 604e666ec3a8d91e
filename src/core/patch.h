#pragma once

#include "core/drawingsurface.h"
#include "core/patchlevels.h"

#include <cstdint>
#include <optional>

// Where the patch lies: its top-left corner and its size, as fractions of the screen or in
// pixels, as the sender gave them.
struct PatchGeometry {
    double x = 0;
    double y = 0;
    double width = 1;
    double height = 1;
    bool operator==(const PatchGeometry&) const = default;
};

// What a calibration program asks the screen to show: a color, over a background where it
// covers part of the screen.
struct Patch {
    PatchLevels color;
    std::optional<PatchLevels> background;
    std::optional<PatchGeometry> geometry;
    bool operator==(const Patch&) const = default;
};

// The patch's pixels on a screen of this size. A geometry whose values all lie within 0 to 1 is
// fractions of the screen; any other is pixels. Each edge is rounded to the nearest pixel line
// (halves away from zero), so that patches side by side share their edges, and cut to the screen.
PixelRect patchRectangle(const std::optional<PatchGeometry>& geometry, int width, int height);
