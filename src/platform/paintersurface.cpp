#include "platform/paintersurface.h"

#include "core/colorvalue.h"

#include <QPainter>

void PainterSurface::fillRect(const PixelRect& rect, std::int32_t color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                      colorToQColor(color));
}
