#pragma once

#include "core/patchlevels.h"

#include <cstdint>

// A rectangle in pixels; right and bottom are excluded.
struct PixelRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;

    bool operator==(const PixelRect&) const = default;
};

// Something that can be filled with solid colors, one rectangle at a time.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    // color as 0x00BBGGRR; bits 24..31 are ignored.
    virtual void fillRect(const PixelRect& rect, std::int32_t color) = 0;
    // Levels of more than 8 bits, where the surface's pixels hold them; the nearest 8-bit color
    // elsewhere.
    virtual void fillRectLevels(const PixelRect& rect, const PatchLevels& levels) {
        fillRect(rect, nearestColor8(levels));
    }
};
