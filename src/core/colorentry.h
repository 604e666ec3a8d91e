#pragma once

#include "core/colorvalue.h"

#include <QString>
#include <cstdint>

// The entry text "RGB(r, g, b)".
QString FormatColorEntry(std::int32_t red, std::int32_t green, std::int32_t blue);

// No color needs more characters, even written with many blanks and long fractions; a longer
// entry is refused before any work that grows with its length.
inline constexpr qsizetype LongestColorEntry = 1000;

// The color value of an entry text; throws Failure for a text longer than LongestColorEntry,
// one that has fewer than three components or one that is no number within -32768..32767.
// Components are clamped to 0..255.
std::int32_t ParseColorEntry(const QString& text);
