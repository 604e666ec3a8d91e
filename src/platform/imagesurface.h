#pragma once

#include "core/drawingsurface.h"
#include "platform/pixelrows.h"

class QImage;

// Fills an RGB32 image. Fills that cover every row of the image are written to the first row
// only and copied down once at flush(), so upright strips cost no more than wide bands.
class ImageSurface final : public DrawingSurface {
public:
    // With the fastest stores for an image of that size.
    explicit ImageSurface(QImage& image);
    ImageSurface(QImage& image, PixelStores stores);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    void fillRect(const PixelRect& rect, std::int32_t color) override;
    PixelStores stores() const { return stores_; }
    // Afterwards every fill is in the image, for this thread and any other.
    void flush();

private:
    void copyFirstRowDown();

    QImage& image_;
    const PixelStores stores_;
    bool firstRowPending_ = false;
};
