#pragma once

#include <QColor>
#include <cstdint>

// The program's color value, red + 256 × green + 65536 × blue (0x00BBGGRR): what the list's
// entries stand for, what the picker gives and what the painter and the flash show. The one
// place that packs it and takes it apart; bits 24 to 31 are ignored.

struct ColorComponents {
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;
};

constexpr std::int32_t ColorFromComponents(std::int32_t red, std::int32_t green,
                                           std::int32_t blue) {
    return red + 256 * green + 65536 * blue;
}

constexpr ColorComponents ColorToComponents(std::int32_t color) {
    return {color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF};
}

inline QColor colorToQColor(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    return QColor(c.red, c.green, c.blue);
}

inline std::int32_t colorFromQColor(const QColor& color) {
    return ColorFromComponents(color.red(), color.green(), color.blue());
}
