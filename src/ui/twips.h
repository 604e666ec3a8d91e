#pragma once

#include <QRect>

// Window geometry is designed in twips: 15 to a pixel at 96 dots per inch.
inline constexpr double TwipsPerPixel = 15.0;

int twipsToPixels(int twips);
QRect twipsRect(int left, int top, int width, int height);
