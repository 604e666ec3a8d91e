#pragma once

#include <QSize>
#include <QSizeF>

// A window's or a screen's size in device pixels, rounded as Qt sizes a window's surface: at a
// fractional scale the logical size times the ratio truncated falls short of the last column
// and row.
inline QSize devicePixelSizeOf(QSize logical, qreal ratio) {
    return (QSizeF(logical) * ratio).toSize();
}
