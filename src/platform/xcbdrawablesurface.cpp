#include "platform/xcbdrawablesurface.h"

#include "core/colorvalue.h"

#include <QtEndian>
#include <algorithm>
#include <bit>

namespace {

std::uint32_t channel(std::uint32_t value8, std::uint32_t mask) {
    if (!mask)
        return 0;
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    if (bits <= 8)
        return ((value8 >> (8 - bits)) << shift) & mask;
    // The top bits repeated into the low ones, as Qt paints: 255 is the channel's full value.
    std::uint32_t wide = 0;
    for (int filled = 0; filled < bits; filled += 8)
        wide = wide << 8 | value8;
    const int spare = ((bits + 7) / 8) * 8 - bits;
    return ((wide >> spare) << shift) & mask;
}

} // namespace

std::uint32_t XcbPixelFormat::pixelFor(std::int32_t color) const {
    const ColorComponents c = ColorToComponents(color);
    const std::uint32_t depthMask = depth >= 32 ? 0xffffffffu : (1u << depth) - 1;
    const std::uint32_t channels = redMask | greenMask | blueMask;
    return channel(std::uint32_t(c.red), redMask) | channel(std::uint32_t(c.green), greenMask) |
           channel(std::uint32_t(c.blue), blueMask) | (depthMask & ~channels);
}

std::uint32_t XcbPixelFormat::pixelFor(const PatchLevels& levels) const {
    const auto channelOf = [&levels](int level, std::uint32_t mask) -> std::uint32_t {
        if (!mask)
            return 0;
        return (std::uint32_t(levelAt(level, levels.bits, std::popcount(mask)))
                << std::countr_zero(mask)) &
               mask;
    };
    const std::uint32_t depthMask = depth >= 32 ? 0xffffffffu : (1u << depth) - 1;
    const std::uint32_t channels = redMask | greenMask | blueMask;
    return channelOf(levels.red, redMask) | channelOf(levels.green, greenMask) |
           channelOf(levels.blue, blueMask) | (depthMask & ~channels);
}

XcbDrawableSurface::XcbDrawableSurface(xcb_connection_t* connection, xcb_drawable_t drawable,
                                       xcb_gcontext_t gc, const XcbPixelFormat& format, QSize size,
                                       std::optional<XcbRowTile> rowTile)
    : connection_(connection), drawable_(drawable), gc_(gc), format_(format), size_(size),
      rowTile_(rowTile), spread_(size.width(), size.height()) {}

XcbDrawableSurface::~XcbDrawableSurface() {
    finish();
}

void XcbDrawableSurface::fillRect(const PixelRect& rect, std::int32_t color) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    // A band across the whole width the server fills as fast as it copies rows.
    const bool wholeWidth = rect.left <= 0 && rect.right >= size_.width();
    if (!wholeWidth && spread_.hold(rect, color)) {
        queueFill({rect.left, 0, rect.right, 1}, color);
        return;
    }
    copyFirstRowDown();
    queueFill(rect, color);
}

void XcbDrawableSurface::fillRectLevels(const PixelRect& rect, const PatchLevels& levels) {
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    copyFirstRowDown();
    sendFills();
    const std::uint32_t foreground = format_.pixelFor(levels);
    xcb_change_gc(connection_, gc_, XCB_GC_FOREGROUND, &foreground);
    // The next fill of a packed color sets the gc again.
    colorSet_ = false;
    const xcb_rectangle_t fill{std::int16_t(rect.left), std::int16_t(rect.top),
                               std::uint16_t(rect.right - rect.left),
                               std::uint16_t(rect.bottom - rect.top)};
    xcb_poly_fill_rectangle(connection_, drawable_, gc_, 1, &fill);
}

void XcbDrawableSurface::queueFill(const PixelRect& fill, std::int32_t color) {
    if (!pending_.empty() && color != pendingColor_)
        sendFills();
    pendingColor_ = color;
    pending_.push_back({std::int16_t(fill.left), std::int16_t(fill.top),
                        std::uint16_t(fill.right - fill.left),
                        std::uint16_t(fill.bottom - fill.top)});
}

void XcbDrawableSurface::copyFirstRowDown() {
    if (!spread_.pending())
        return;
    const FirstRowSpread::Spread spread = spread_.take();
    for (const auto& [column, color] : spread.wholeColumns)
        queueFill(column, color);
    sendFills();
    if (spread.left >= spread.right)
        return;
    const auto left = std::int16_t(spread.left);
    const auto width = std::uint16_t(spread.right - spread.left);
    if (rowTile_ && size_.height() > 1) {
        // Tiled, every row is written from the one row in the server's cache; copied down, each
        // row is read from memory again, and a 4K step cost the server half as much again.
        xcb_copy_area(connection_, drawable_, rowTile_->pixmap, gc_, left, 0, left, 0, width, 1);
        // A gc may keep a copy of its tile: set again, it takes the row just drawn.
        xcb_change_gc(connection_, rowTile_->gc, XCB_GC_TILE, &rowTile_->pixmap);
        const xcb_rectangle_t below{left, 1, width, std::uint16_t(size_.height() - 1)};
        xcb_poly_fill_rectangle(connection_, drawable_, rowTile_->gc, 1, &below);
        return;
    }
    for (int done = 1; done < size_.height();) {
        const int rows = std::min(done, size_.height() - done);
        xcb_copy_area(connection_, drawable_, drawable_, gc_, left, 0, left, std::int16_t(done),
                      width, std::uint16_t(rows));
        done += rows;
    }
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
    copyFirstRowDown();
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
                    format_.pixelFor(ColorFromComponents(qRed(p), qGreen(p), qBlue(p)));
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
    copyFirstRowDown();
    sendFills();
}
