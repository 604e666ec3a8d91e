#pragma once

#include <QString>
#include <cstdint>

struct ColorComponents {
    std::int32_t red;
    std::int32_t green;
    std::int32_t blue;
};

// A color value 0x00BBGGRR split into its channels.
ColorComponents ColorToComponents(std::int32_t color);

// The entry text "RGB(r, g, b)".
QString FormatColorEntry(std::int32_t red, std::int32_t green, std::int32_t blue);

// The color value of an entry text; throws Failure for a text that has fewer than three
// components or one that is no number within -32768..32767. Components are clamped to 0..255.
std::int32_t ParseColorEntry(const QString& text);
