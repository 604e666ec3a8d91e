#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// Whether the hint's text shows in the top-left corner. Every step is uniform along the rows or
// along the columns, so a pixel that differs both from the pixel below the hint in its column
// and from the pixel right of the hint in its row is text, whatever color shows.
bool hintShows(const QImage& shot, qreal scale = 1);
// What the painter makes of a whole screen of device pixels.
QImage paintedGradient(QSize size, const QColor& first, const QColor& second, bool vertical);
QImage solidScreen(QSize size, const QColor& color);
// The pixels where a picture differs from the expected one, counted and named; empty when none.
QString differences(const QImage& shown, const QImage& expected);
