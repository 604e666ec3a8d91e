#pragma once

#include "core/drawingsurface.h"

class QImage;

// Fills an RGB32 image. Fills that cover every row of the image are written to the first row
// only and copied down once at flush(), so upright strips cost no more than wide bands.
class ImageSurface final : public DrawingSurface {
public:
    explicit ImageSurface(QImage& image);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    void fillRect(const PixelRect& rect, std::int32_t color) override;
    void flush();

private:
    QImage& image_;
    bool firstRowPending_ = false;
};
