#include "platform/xcbdrawablesurface.h"

#include <QtEndian>
#include <algorithm>
#include <bit>

namespace {

std::uint32_t channel(std::uint32_t value8, std::uint32_t mask) {
    if (!mask)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    const std::uint32_t scaled = bits <= 8 ? value8 >> (8 - bits) : value8 << (bits - 8);
    return (scaled << shift) & mask;
}

} // namespace

std::uint32_t XcbPixelFormat::pixelFor(std::int32_t color) const {
    const auto c = std::uint32_t(color);
    const std::uint32_t depthMask = depth >= 32 ? 0xffffffffu : (1u << depth) - 1;
    const std::uint32_t channels = redMask | greenMask | blueMask;
    return channel(c & 0xff, redMask) | channel((c >> 8) & 0xff, greenMask) |
           channel((c >> 16) & 0xff, blueMask) | (depthMask & ~channels);
}

XcbDrawableSurface::XcbDrawableSurface(xcb_connection_t* connection, xcb_drawable_t drawable,
                                       xcb_gcontext_t gc, const XcbPixelFormat& format)
    : connection_(connection), drawable_(drawable), gc_(gc), format_(format) {}

XcbDrawableSurface::~XcbDrawableSurface() {
    finish();
}

void XcbDrawableSurface::fillRect(const PixelRect& rect, std::int32_t color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    if (!pending_.empty() && color != pendingColor_)
        sendFills();
    pendingColor_ = color;
    pending_.push_back({std::int16_t(rect.left), std::int16_t(rect.top),
                        std::uint16_t(rect.right - rect.left),
                        std::uint16_t(rect.bottom - rect.top)});
}

void XcbDrawableSurface::sendFills() {
    if (pending_.empty())
        return;
    if (!colorSet_ || gcColor_ != pendingColor_) {
        const std::uint32_t foreground = format_.pixelFor(pendingColor_);
        xcb_change_gc(connection_, gc_, XCB_GC_FOREGROUND, &foreground);
        gcColor_ = pendingColor_;
        colorSet_ = true;
    }
    xcb_poly_fill_rectangle(connection_, drawable_, gc_, std::uint32_t(pending_.size()),
                            pending_.data());
    pending_.clear();
}

void XcbDrawableSurface::putImage(QPoint at, const QImage& image) {
    sendFills();
    if (image.isNull() || format_.bitsPerPixel != 32)
        return;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    // Within the largest request the server takes, with room for the request's own header.
    const std::uint64_t maxBytes = std::uint64_t(xcb_get_maximum_request_length(connection_)) * 4;
    const int rowsPerRequest =
        std::max(1, int((maxBytes > 64 ? maxBytes - 64 : 0) / (std::uint64_t(width) * 4)));
    std::vector<std::uint32_t> pixels;
    for (int top = 0; top < rgb.height(); top += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, rgb.height() - top);
        pixels.resize(std::size_t(width) * std::size_t(rows));
        for (int y = 0; y < rows; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(top + y));
            for (int x = 0; x < width; ++x) {
                const QRgb p = line[x];
                std::uint32_t value =
                    format_.pixelFor(std::int32_t(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16));
                if (!format_.lsbFirst)
                    value = qbswap(value);
                pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = value;
            }
        }
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable_, gc_, std::uint16_t(width),
                      std::uint16_t(rows), std::int16_t(at.x()), std::int16_t(at.y() + top), 0,
                      format_.depth, std::uint32_t(pixels.size() * 4),
                      reinterpret_cast<const std::uint8_t*>(pixels.data()));
    }
}

void XcbDrawableSurface::finish() {
    sendFills();
}
