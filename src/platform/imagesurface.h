#pragma once

#include "core/drawingsurface.h"
#include "core/firstrowspread.h"
#include "platform/pixelrows.h"

#include <QPoint>

class QImage;

// Fills an RGB32 image that holds one area of a larger picture: fills are given in the
// picture's pixels and land where they cross the area. Fills that cover every row of the
// picture are written to the first row only and copied down once at flush(), so upright strips
// cost no more than wide bands.
class ImageSurface final : public DrawingSurface {
public:
    // The whole picture, with the stores guessed for its size; the flash times its own choice.
    explicit ImageSurface(QImage& image);
    // The area of the picture, of the image's size, whose top left corner is at origin.
    ImageSurface(QImage& image, PixelStores stores, QPoint origin = {});
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    void fillRect(const PixelRect& rect, std::int32_t color) override;
    PixelStores stores() const { return stores_; }
    // Afterwards every fill is in the image, for this thread and any other.
    void flush();

private:
    // The rectangle in the image's pixels, within it; empty where the fill misses the area.
    PixelRect inImage(const PixelRect& rect) const;
    void fillInImage(const PixelRect& rect, std::int32_t color);
    void copyFirstRowDown();

    QImage& image_;
    const PixelStores stores_;
    const QPoint origin_;
    FirstRowSpread spread_;
};
