#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The text-to-number conversions the program applies to what the user typed or stored.

// Plain decimal with sign, surrounding blanks, fraction and exponent, in the C or the user's
// locale.
std::optional<double> textToNumber(QStringView text);
bool isNumericText(const QString& text);

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

// Throws Failure for a text that is no number or lies outside -32768..32767 after rounding.
std::int16_t textToInt16(QStringView text);

// "True"/"False" in any case, or a number (0 is false); anything else throws Failure.
bool textToBoolean(const QString& text);
