#include "core/centring.h"

#include <cmath>

namespace {

int centredStart(int start, int room, int size) {
    return start + int(std::nearbyint((room - size) / 2.0));
}

} // namespace

QPoint centredOrigin(const QRect& area, const QSize& size) {
    return {centredStart(area.left(), area.width(), size.width()),
            centredStart(area.top(), area.height(), size.height())};
}
