#pragma once

#include "core/colorsequencer.h"

class DrawingSurface;

// The background over the whole surface, then the patch's rectangle; black where the patch
// names no background.
void paintPatch(DrawingSurface& surface, const PixelRect& whole, const PatchStep& patch);
