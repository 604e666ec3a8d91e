#pragma once

#include "core/drawingsurface.h"

#include <cstdint>
#include <optional>

// One channel triple as a calibration program sends it: levels out of 2^bits - 1.
struct PatchLevels {
    int red = 0;
    int green = 0;
    int blue = 0;
    int bits = 8;
    bool operator==(const PatchLevels&) const = default;
};

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

// The nearest 8-bit level of each channel, as 0x00BBGGRR.
std::int32_t nearestColor8(const PatchLevels& levels);

// The patch's pixels on a screen of this size. A geometry whose values all lie within 0 to 1 is
// fractions of the screen; any other is pixels. Each edge is rounded to the nearest pixel line
// (halves away from zero), so that patches side by side share their edges, and cut to the screen.
PixelRect patchRectangle(const std::optional<PatchGeometry>& geometry, int width, int height);
