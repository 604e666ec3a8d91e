#pragma once

#include "core/drawingsurface.h"

class QPainter;

// Fills through a painter already set to device pixels: Qt's own paint of a window.
class PainterSurface final : public DrawingSurface {
public:
    explicit PainterSurface(QPainter& painter) : painter_(painter) {}
    void fillRect(const PixelRect& rect, std::int32_t color) override;

private:
    QPainter& painter_;
};
