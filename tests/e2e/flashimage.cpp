#include "flashimage.h"

#include "core/gradientpainter.h"
#include "coretest.h"
#include "platform/imagesurface.h"

#include <QStringList>

namespace {

std::int32_t colorValue(const QColor& color) {
    return rgb(color.red(), color.green(), color.blue());
}

} // namespace

bool hintShows(const QImage& shot, qreal scale) {
    const int width = qRound(420 * scale);
    const int height = qRound(18 * scale);
    const int below = qRound(24 * scale);
    const int right = qRound(440 * scale);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = shot.pixel(x, y);
            if (pixel != shot.pixel(x, below) && pixel != shot.pixel(right, y))
                return true;
        }
    return false;
}

QImage paintedGradient(QSize size, const QColor& first, const QColor& second, bool vertical) {
    QImage image(size, QImage::Format_RGB32);
    ImageSurface surface(image);
    PaintGradient(surface, PixelRect{0, 0, size.width(), size.height()}, colorValue(first),
                  colorValue(second), vertical);
    surface.flush();
    return image;
}

QImage solidScreen(QSize size, const QColor& color) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QString differences(const QImage& shown, const QImage& expected) {
    if (shown.size() != expected.size())
        return QStringLiteral("%1×%2 pixels, not %3×%4")
            .arg(shown.width())
            .arg(shown.height())
            .arg(expected.width())
            .arg(expected.height());
    qsizetype count = 0;
    QStringList first;
    int lastColumn = 0, lastRow = 0;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            if (shown.pixel(x, y) == expected.pixel(x, y))
                continue;
            ++count;
            lastColumn += x == expected.width() - 1;
            lastRow += y == expected.height() - 1;
            if (first.size() < 4)
                first << QStringLiteral("(%1, %2) is %3, not %4")
                             .arg(x)
                             .arg(y)
                             .arg(QColor(shown.pixel(x, y)).name(),
                                  QColor(expected.pixel(x, y)).name());
        }
    if (count == 0)
        return {};
    return QStringLiteral("%1 pixels differ, %2 in the last column and %3 in the last row: %4")
        .arg(count)
        .arg(lastColumn)
        .arg(lastRow)
        .arg(first.join("; "));
}
