#pragma once

#include "core/drawingsurface.h"

// Fills the rectangle with a two-color spectrum of solid strips: the first color at the left (or
// top) edge, the second at the right (or bottom). Strips are at least 3 pixels thick, about 255
// of them on a large surface, laid from the right (bottom) edge on. Throws Failure on arithmetic
// overflow; paints nothing for an empty or negative extent.
void PaintGradient(DrawingSurface& surface, const PixelRect& rectangle, std::int32_t firstColor,
                   std::int32_t secondColor, bool vertical);
