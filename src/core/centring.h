#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of the size starts so that it sits in the middle of the area: equal room on
// both sides, and where the room left over is odd, the half rounded to even, so that the same
// area and size always give the same place (QRect::center() is half a pixel up and left).
QPoint centredOrigin(const QRect& area, const QSize& size);
