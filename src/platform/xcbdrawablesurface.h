#pragma once

#include "core/drawingsurface.h"
#include "core/firstrowspread.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>
#include <xcb/xcb.h>

// How colors become pixel values of one drawable: its visual's channel masks and its depth.
struct XcbPixelFormat {
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;
    std::uint8_t depth = 0;
    std::uint8_t bitsPerPixel = 0;
    bool lsbFirst = true;

    // color as 0x00BBGGRR; bits the masks leave free within the depth are set (opaque alpha).
    std::uint32_t pixelFor(std::int32_t color) const;
    // Each level at the nearest of the channel's own: exact where the channel has its bits.
    std::uint32_t pixelFor(const PatchLevels& levels) const;
};

// A pixmap one row high and at least as wide as the drawable, and a gc that fills with it as its
// tile from the drawable's origin.
struct XcbRowTile {
    xcb_pixmap_t pixmap = 0;
    xcb_gcontext_t gc = 0;
};

// Draws on a window or pixmap in the X server: fills are rectangles the server paints, so a
// step at 4K costs a few requests instead of an upload of the whole picture.
class XcbDrawableSurface final : public DrawingSurface {
public:
    // The gc must not ask for graphics exposures: rows are copied within the drawable.
    // Rows spread down from the first one are tiled from the row tile where there is one.
    XcbDrawableSurface(xcb_connection_t* connection, xcb_drawable_t drawable, xcb_gcontext_t gc,
                       const XcbPixelFormat& format, QSize size,
                       std::optional<XcbRowTile> rowTile = std::nullopt);
    ~XcbDrawableSurface() override;
    XcbDrawableSurface(const XcbDrawableSurface&) = delete;
    XcbDrawableSurface& operator=(const XcbDrawableSurface&) = delete;

    void fillRect(const PixelRect& rect, std::int32_t color) override;
    void fillRectLevels(const PixelRect& rect, const PatchLevels& levels) override;
    // A small picture (the hint, the readout) put over the fills at that device-pixel place.
    void putImage(QPoint at, const QImage& image);
    // Sends what is still held back; the destructor does too.
    void finish();

private:
    void queueFill(const PixelRect& fill, std::int32_t color);
    void sendFills();
    void copyFirstRowDown();

    xcb_connection_t* connection_;
    xcb_drawable_t drawable_;
    xcb_gcontext_t gc_;
    XcbPixelFormat format_;
    QSize size_;
    std::optional<XcbRowTile> rowTile_;
    FirstRowSpread spread_;
    // Neighbouring fills of one color go in one request.
    std::vector<xcb_rectangle_t> pending_;
    std::int32_t pendingColor_ = 0;
    bool colorSet_ = false;
    std::int32_t gcColor_ = 0;
};
