#pragma once

#include "platform/pixelrows.h"

#include <QSize>
#include <utility>
#include <vector>

// The stores that paint a gradient of this size fastest on this machine, timed once per size:
// the cache's size alone picked the slower kind on some processors.
PixelStores measuredStoresFor(QSize size);

// The kind with the shortest time; the first of equals.
PixelStores fastestOf(const std::vector<std::pair<PixelStores, double>>& timings);
