#pragma once

#include <QList>
#include <QRect>

class QScreen;

// Boxes are given in the screens' own pixels. Qt places windows in units that a scale factor
// divides, counted from each screen's own corner; these convert between the two.
QList<QRect> screensInDesktopPixels();
// The screen that holds the middle of this box of desktop pixels, or the primary one.
QScreen* screenOfBox(const QRect& box);
QRect windowGeometryOf(const QRect& box);
QRect desktopPixelsOf(const QRect& windowGeometry, const QScreen* screen);
