#include "core/flashsafety.h"

#include "core/colorentry.h"
#include "core/failure.h"
#include "core/numbertext.h"

#include <cmath>

namespace {

struct Linear {
    double red;
    double green;
    double blue;
};

Linear linearOf(std::int32_t color) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return {channel(color & 0xFF), channel((color >> 8) & 0xFF), channel((color >> 16) & 0xFF)};
}

// A color whose red makes up at least 80% of its channels.
bool isSaturatedRed(std::int32_t color) {
    const int red = color & 0xFF;
    const int sum = red + ((color >> 8) & 0xFF) + ((color >> 16) & 0xFF);
    return sum > 0 && red >= 0.8 * sum;
}

// The color's place in the CIE 1976 UCS chromaticity diagram.
void chromaticity(std::int32_t color, double& u, double& v) {
    const Linear c = linearOf(color);
    const double x = 0.4124 * c.red + 0.3576 * c.green + 0.1805 * c.blue;
    const double y = 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
    const double z = 0.0193 * c.red + 0.1192 * c.green + 0.9505 * c.blue;
    const double denominator = x + 15 * y + 3 * z;
    // Black has no chromaticity; take the white point's, as a display shows it.
    u = denominator > 0 ? 4 * x / denominator : 0.1978;
    v = denominator > 0 ? 9 * y / denominator : 0.4683;
}

// The most changes that can fall into one second, one change per delay.
int changesPerSecond(int delayMs) {
    return (1000 + delayMs - 1) / delayMs;
}

} // namespace

double relativeLuminance(std::int32_t color) {
    const Linear c = linearOf(color);
    return 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
}

bool makesAFlash(std::int32_t a, std::int32_t b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    if (std::fabs(la - lb) >= 0.1 && std::fmin(la, lb) < 0.8)
        return true;
    if (!isSaturatedRed(a) && !isSaturatedRed(b))
        return false;
    double ua = 0, va = 0, ub = 0, vb = 0;
    chromaticity(a, ua, va);
    chromaticity(b, ub, vb);
    return std::hypot(ua - ub, va - vb) > 0.2;
}

bool flashesTooOften(const std::vector<std::int32_t>& palette, int delayMs) {
    // A delay of 0 or less never changes the color.
    if (delayMs <= 0)
        return false;
    // Two changes make one flash: more than three flashes need eight changes in a second.
    if (changesPerSecond(delayMs) < 8)
        return false;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        for (std::size_t j = i + 1; j < palette.size(); ++j) {
            if (makesAFlash(palette[i], palette[j]))
                return true;
        }
    }
    return false;
}

bool needsFlashWarning(const QStringList& entries, const QString& delayText) {
    int delay = 0;
    try {
        delay = textToInt16(delayText);
    } catch (const Failure&) {
        return false;
    }
    std::vector<std::int32_t> palette;
    palette.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) {
        try {
            palette.push_back(ParseColorEntry(entry));
        } catch (const Failure&) {
            palette.push_back(0);
        }
    }
    return flashesTooOften(palette, delay);
}
