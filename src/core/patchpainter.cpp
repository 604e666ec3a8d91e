#include "core/patchpainter.h"

#include "core/drawingsurface.h"

#include <algorithm>

void paintPatch(DrawingSurface& surface, const PixelRect& whole, const PatchStep& patch) {
    const PixelRect inside{std::max(patch.rectangle.left, whole.left),
                           std::max(patch.rectangle.top, whole.top),
                           std::min(patch.rectangle.right, whole.right),
                           std::min(patch.rectangle.bottom, whole.bottom)};
    const PatchLevels background = patch.background.value_or(PatchLevels{});
    // Only the bands around the patch: a fill under it would show for a moment on a slow path.
    surface.fillRectLevels({whole.left, whole.top, whole.right, inside.top}, background);
    surface.fillRectLevels({whole.left, inside.bottom, whole.right, whole.bottom}, background);
    surface.fillRectLevels({whole.left, inside.top, inside.left, inside.bottom}, background);
    surface.fillRectLevels({inside.right, inside.top, whole.right, inside.bottom}, background);
    surface.fillRectLevels(inside, patch.color);
}
