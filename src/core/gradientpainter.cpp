#include "core/gradientpainter.h"

#include "core/colorvalue.h"
#include "core/failure.h"
#include "core/numbertext.h"

#include <QCoreApplication>
#include <array>
#include <limits>

namespace {

std::int32_t checkedSubtract(std::int32_t a, std::int32_t b) {
    std::int32_t result = 0;
    if (__builtin_sub_overflow(a, b, &result))
        throw Failure(QCoreApplication::translate("GradientPainter", "Overflow"));
    return result;
}

std::array<std::int16_t, 3> channelsOf(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    return {static_cast<std::int16_t>(c.red), static_cast<std::int16_t>(c.green),
            static_cast<std::int16_t>(c.blue)};
}

std::int16_t toChannel(double value) {
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        throw Failure(QCoreApplication::translate("GradientPainter", "Overflow"));
    return static_cast<std::int16_t>(rounded);
}

} // namespace

void PaintGradient(DrawingSurface& surface, const PixelRect& rectangle, std::int32_t firstColor,
                   std::int32_t secondColor, bool vertical) {
    PixelRect band = rectangle;
    const std::int32_t extent = vertical ? checkedSubtract(rectangle.bottom, rectangle.top)
                                         : checkedSubtract(rectangle.right, rectangle.left);
    // Nothing to spread a spectrum over; zero would divide by zero below.
    if (extent <= 0)
        return;
    std::int32_t thickness = extent / 255;
    if (thickness < 3)
        thickness = 3;

    const std::array<std::int16_t, 3> start = channelsOf(secondColor);
    std::array<std::int16_t, 3> current = start;
    const std::array<std::int16_t, 3> first = channelsOf(firstColor);
    std::array<double, 3> delta{};
    for (int c = 0; c < 3; ++c)
        delta[c] = static_cast<double>(first[c]) - static_cast<double>(start[c]);

    for (std::int32_t position = extent; position >= 0;
         position = checkedSubtract(position, thickness)) {
        if (vertical)
            band.top = checkedSubtract(band.bottom, thickness);
        else
            band.left = checkedSubtract(band.right, thickness);
        if (band.top < rectangle.top)
            band.top = rectangle.top;
        if (band.left < rectangle.left)
            band.left = rectangle.left;

        surface.fillRect(band, ColorFromComponents(current[0], current[1], current[2]));

        // The fraction of the next strip: it lags one strip behind the position.
        const double fraction = static_cast<double>(extent - position) / extent;
        if (vertical)
            band.bottom = band.top;
        else
            band.right = band.left;
        for (int c = 0; c < 3; ++c)
            current[c] = toChannel(start[c] + fraction * delta[c]);
    }
}
