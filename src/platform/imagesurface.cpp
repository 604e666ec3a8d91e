#include "platform/imagesurface.h"

#include "core/colorvalue.h"
#include "platform/storechoice.h"

#include <QImage>
#include <algorithm>

namespace {

QRgb toRgb(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    return qRgb(c.red, c.green, c.blue);
}

} // namespace

ImageSurface::ImageSurface(QImage& image) : ImageSurface(image, measuredStoresFor(image.size())) {}

ImageSurface::ImageSurface(QImage& image, PixelStores stores) : image_(image), stores_(stores) {}

ImageSurface::~ImageSurface() {
    flush();
}

void ImageSurface::fillRect(const PixelRect& rect, std::int32_t color) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, image_.width());
    const int bottom = std::min(rect.bottom, image_.height());
    if (left >= right || top >= bottom)
        return;
    const QRgb rgb = toRgb(color);
    const bool everyRow = top == 0 && bottom == image_.height();
    if (everyRow && image_.height() > 1) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(0));
        std::fill(row + left, row + right, rgb);
        firstRowPending_ = true;
        return;
    }
    copyFirstRowDown();
    const auto width = static_cast<std::size_t>(right - left);
    if (width == static_cast<std::size_t>(image_.width()) &&
        image_.bytesPerLine() == image_.width() * static_cast<qsizetype>(sizeof(QRgb))) {
        // A band across the whole width is one run of pixels.
        fillPixels(stores_, reinterpret_cast<QRgb*>(image_.scanLine(top)), width * (bottom - top),
                   rgb);
    } else {
        for (int y = top; y < bottom; ++y)
            fillPixels(stores_, reinterpret_cast<QRgb*>(image_.scanLine(y)) + left, width, rgb);
    }
}

void ImageSurface::flush() {
    copyFirstRowDown();
    finishPixelStores(stores_);
}

void ImageSurface::copyFirstRowDown() {
    if (!firstRowPending_)
        return;
    firstRowPending_ = false;
    const auto* first = reinterpret_cast<const QRgb*>(image_.constScanLine(0));
    const auto width = static_cast<std::size_t>(image_.width());
    for (int y = 1; y < image_.height(); ++y)
        copyPixels(stores_, reinterpret_cast<QRgb*>(image_.scanLine(y)), first, width);
}
