#pragma once

#include "core/drawingsurface.h"

#include <QString>
#include <cstdint>
#include <optional>

// A square in a corner of every flash picture that turns white on odd steps and black on even
// ones, for a light sensor taped over it.
struct PhotodiodeMarker {
    enum class Corner { TopLeft, TopRight, BottomLeft, BottomRight };
    Corner corner = Corner::BottomRight;
    int size = 48;
};

inline constexpr int LargestMarker = 4096;

struct MarkerReading {
    std::optional<PhotodiodeMarker> marker;
    QString problem;
};

// "[CORNER][:SIZE]": top-left, top-right, bottom-left or bottom-right (the default), and the
// side in pixels, 48 unless given; empty is all defaults.
MarkerReading readMarker(const QString& text);

// Where the marker lies on a surface of this size, cut to it.
PixelRect markerRect(const PhotodiodeMarker& marker, int width, int height);

// White for an odd step, black for an even one (and for the picture before the first step).
std::int32_t markerColor(int step);
