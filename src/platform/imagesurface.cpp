#include "platform/imagesurface.h"

#include "core/colorvalue.h"

#include <QImage>
#include <algorithm>

namespace {

QRgb toRgb(std::int32_t color) {
    const ColorComponents c = ColorToComponents(color);
    return qRgb(c.red, c.green, c.blue);
}

std::size_t bytesOf(const QImage& image) {
    return std::size_t(std::max(image.width(), 0)) * std::size_t(std::max(image.height(), 0)) *
           sizeof(QRgb);
}

} // namespace

ImageSurface::ImageSurface(QImage& image) : ImageSurface(image, pixelStoresFor(bytesOf(image))) {}

ImageSurface::ImageSurface(QImage& image, PixelStores stores, QPoint origin)
    : image_(image), stores_(stores), origin_(origin), spread_(image.width(), image.height()) {}

ImageSurface::~ImageSurface() {
    flush();
}

PixelRect ImageSurface::inImage(const PixelRect& rect) const {
    return {std::max(rect.left - origin_.x(), 0), std::max(rect.top - origin_.y(), 0),
            std::min(rect.right - origin_.x(), image_.width()),
            std::min(rect.bottom - origin_.y(), image_.height())};
}

void ImageSurface::fillRect(const PixelRect& rect, std::int32_t color) {
    const PixelRect fill = inImage(rect);
    if (fill.left >= fill.right || fill.top >= fill.bottom)
        return;
    if (spread_.hold(fill, color)) {
        fillInImage({fill.left, 0, fill.right, 1}, color);
        return;
    }
    copyFirstRowDown();
    fillInImage(fill, color);
}

void ImageSurface::fillInImage(const PixelRect& fill, std::int32_t color) {
    const QRgb rgb = toRgb(color);
    const auto width = static_cast<std::size_t>(fill.right - fill.left);
    if (width == static_cast<std::size_t>(image_.width()) &&
        image_.bytesPerLine() == image_.width() * static_cast<qsizetype>(sizeof(QRgb))) {
        // A band across the whole width is one run of pixels.
        fillPixels(stores_, reinterpret_cast<QRgb*>(image_.scanLine(fill.top)),
                   width * std::size_t(fill.bottom - fill.top), rgb);
    } else {
        for (int y = fill.top; y < fill.bottom; ++y)
            fillPixels(stores_, reinterpret_cast<QRgb*>(image_.scanLine(y)) + fill.left, width,
                       rgb);
    }
}

void ImageSurface::flush() {
    copyFirstRowDown();
    finishPixelStores(stores_);
}

void ImageSurface::copyFirstRowDown() {
    if (!spread_.pending())
        return;
    const FirstRowSpread::Spread spread = spread_.take();
    for (const auto& [column, color] : spread.wholeColumns)
        fillInImage(column, color);
    if (spread.left >= spread.right)
        return;
    const auto* first = reinterpret_cast<const QRgb*>(image_.constScanLine(0)) + spread.left;
    const auto width = static_cast<std::size_t>(spread.right - spread.left);
    for (int y = 1; y < image_.height(); ++y)
        copyPixels(stores_, reinterpret_cast<QRgb*>(image_.scanLine(y)) + spread.left, first,
                   width);
}
