#include "core/flashsafety.h"

#include "core/colorentry.h"
#include "core/colorvalue.h"
#include "core/convexhull.h"
#include "core/failure.h"
#include "core/framelog.h"
#include "core/numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

struct Linear {
    double red;
    double green;
    double blue;
};

// The sRGB decoding of every channel value, worked out once: a list of thousands of colors would
// otherwise spend most of its check in pow().
const std::array<double, 256>& linearChannels() {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int value = 0; value < 256; ++value) {
            const double c = value / 255.0;
            values[value] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return values;
    }();
    return table;
}

Linear linearOf(std::int32_t color) {
    const std::array<double, 256>& channel = linearChannels();
    const ColorComponents c = ColorToComponents(color);
    return {channel[c.red], channel[c.green], channel[c.blue]};
}

// A color whose red makes up at least 80% of its channels.
bool isSaturatedRed(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    const int sum = c.red + c.green + c.blue;
    return sum > 0 && c.red >= 0.8 * sum;
}

// The color's place in the CIE 1976 UCS chromaticity diagram.
PlanePoint chromaticity(std::int32_t color) {
    const Linear c = linearOf(color);
    const double x = 0.4124 * c.red + 0.3576 * c.green + 0.1805 * c.blue;
    const double y = 0.2126 * c.red + 0.7152 * c.green + 0.0722 * c.blue;
    const double z = 0.0193 * c.red + 0.1192 * c.green + 0.9505 * c.blue;
    const double denominator = x + 15 * y + 3 * z;
    // Black has no chromaticity; take the white point's, as a display shows it.
    if (denominator <= 0)
        return {0.1978, 0.4683};
    return {4 * x / denominator, 9 * y / denominator};
}

// Chromaticities further apart than this make a flash when one of the two is a saturated red.
constexpr double redFlashDistance = 0.2;

double distance(const PlanePoint& a, const PlanePoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool chromaticitiesFlash(const PlanePoint& a, const PlanePoint& b) {
    return distance(a, b) > redFlashDistance;
}

// Far more than the rounding of the distance and of the hull's corners (around 1e-15): a
// farthest distance found on the hulls that is this close to the threshold may hide a point
// off the hull whose rounded distance lands on the other side, so it is settled point by point.
constexpr double roundingMargin = 1e-9;

double farthestDistance(const PlanePoint& from, const std::vector<PlanePoint>& corners) {
    double farthest = 0;
    for (const PlanePoint& corner : corners)
        farthest = std::max(farthest, distance(from, corner));
    return farthest;
}

// Whether a saturated red and some color of the list lie far enough apart in chromaticity.
// The farthest pair between two point sets joins corners of their convex hulls, so only corners
// are measured, except where rounding could tip the comparison.
bool redsFlash(const std::vector<PlanePoint>& reds, const std::vector<PlanePoint>& all) {
    if (reds.empty())
        return false;
    const std::vector<PlanePoint> redCorners = convexHull(reds);
    const std::vector<PlanePoint> allCorners = convexHull(all);
    double farthest = 0;
    for (const PlanePoint& red : redCorners)
        farthest = std::max(farthest, farthestDistance(red, allCorners));
    if (farthest > redFlashDistance)
        return true;
    if (farthest <= redFlashDistance - roundingMargin)
        return false;
    for (const PlanePoint& red : reds) {
        const double fromCorners = farthestDistance(red, allCorners);
        if (fromCorners > redFlashDistance)
            return true;
        if (fromCorners > redFlashDistance - roundingMargin &&
            std::any_of(all.begin(), all.end(),
                        [&](const PlanePoint& other) { return chromaticitiesFlash(red, other); }))
            return true;
    }
    return false;
}

// Two changes make one flash: more than three flashes need eight changes in a second, one
// change per delay. A delay of 0 or less never changes the color.
// Eight changes can fall in one second exactly when they come less than a seventh of it apart.
bool changesFastEnough(double changeMs) {
    return changeMs > 0 && changeMs * 7 < 1000;
}

// The delay a flash ticks at; none for one that never ticks.
std::optional<int> tickingDelay(const QString& delayText) {
    try {
        const int delay = textToInt16(delayText);
        return delay > 0 ? std::optional<int>(delay) : std::nullopt;
    } catch (const Failure&) {
        return std::nullopt;
    }
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
    return chromaticitiesFlash(chromaticity(a), chromaticity(b));
}

bool flashesTooOften(const std::vector<std::int32_t>& palette, double changeMs) {
    if (!changesFastEnough(changeMs))
        return false;
    // Some pair makes a flash exactly when some pair passes the luminance test or some pair passes
    // the red test, so each is settled over the whole list at once.
    std::vector<std::int32_t> colors = palette;
    std::sort(colors.begin(), colors.end());
    colors.erase(std::unique(colors.begin(), colors.end()), colors.end());
    if (colors.empty())
        return false;
    // A difference only grows as the darker gets darker or the lighter lighter, rounding
    // included: the darkest and the lightest decide.
    double darkest = std::numeric_limits<double>::infinity();
    double lightest = -darkest;
    std::vector<PlanePoint> reds;
    std::vector<PlanePoint> all;
    all.reserve(colors.size());
    for (const std::int32_t color : colors) {
        const double luminance = relativeLuminance(color);
        darkest = std::min(darkest, luminance);
        lightest = std::max(lightest, luminance);
        all.push_back(chromaticity(color));
        if (isSaturatedRed(color))
            reds.push_back(all.back());
    }
    if (std::fabs(lightest - darkest) >= 0.1 && darkest < 0.8)
        return true;
    return redsFlash(reds, all);
}

bool needsFlashWarning(const QStringList& entries, double changeMs) {
    if (!changesFastEnough(changeMs))
        return false;
    std::vector<std::int32_t> palette;
    palette.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries) {
        try {
            palette.push_back(ParseColorEntry(entry));
        } catch (const Failure&) {
            palette.push_back(0);
        }
    }
    return flashesTooOften(palette, changeMs);
}

bool needsFlashWarning(const QStringList& entries, const QString& delayText) {
    const std::optional<int> delay = tickingDelay(delayText);
    return delay && needsFlashWarning(entries, double(*delay));
}

bool needsLockedFlashWarning(const QStringList& entries, const QString& delayText,
                             double refreshHz) {
    const std::optional<int> delay = tickingDelay(delayText);
    if (!delay || !(refreshHz > 0))
        return false;
    return needsFlashWarning(entries, refreshesForDelay(*delay, refreshHz) * 1000.0 / refreshHz);
}
