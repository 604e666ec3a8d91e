#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

// A flashing box as the X11 geometry form gives it: WxH+X+Y, or WxH alone for one in the middle
// of a screen. X and Y are pixels of the whole desktop.
struct BoxGeometry {
    QSize size;
    std::optional<QPoint> at;

    friend bool operator==(const BoxGeometry&, const BoxGeometry&) = default;
};

struct BoxGeometryReading {
    std::optional<BoxGeometry> geometry;
    QString problem; // one line, when there is no geometry
};

// Reads "64x64+812+403" or "64x64", and "64x64+-5+0" for a box that starts left of the desktop;
// zero sizes are refused here, as no screen could show them.
BoxGeometryReading readBoxGeometry(const QString& text);
// "64x64+812+403".
QString boxGeometryText(const QRect& box);

struct BoxPlacing {
    std::optional<QRect> box;
    QString problem;
};

// The box on the desktop of these screens: a box without a place goes in the middle of the
// chosen screen. A box on no screen, or larger than the screen that holds most of it, is refused.
BoxPlacing placeBox(const BoxGeometry& geometry, const QList<QRect>& screens,
                    const QRect& chosenScreen);
