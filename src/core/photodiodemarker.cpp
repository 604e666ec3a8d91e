#include "core/photodiodemarker.h"

#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PhotodiodeMarker)
};

} // namespace

MarkerReading readMarker(const QString& text) {
    static const std::pair<const char*, PhotodiodeMarker::Corner> corners[] = {
        {"top-left", PhotodiodeMarker::Corner::TopLeft},
        {"top-right", PhotodiodeMarker::Corner::TopRight},
        {"bottom-left", PhotodiodeMarker::Corner::BottomLeft},
        {"bottom-right", PhotodiodeMarker::Corner::BottomRight}};
    PhotodiodeMarker marker;
    const qsizetype colon = text.indexOf(u':');
    const QString corner = colon < 0 ? text : text.left(colon);
    if (!corner.isEmpty()) {
        const auto found =
            std::find_if(std::begin(corners), std::end(corners), [&corner](const auto& named) {
                return corner == QLatin1StringView(named.first);
            });
        if (found == std::end(corners))
            return {std::nullopt,
                    Texts::tr("%1 is no corner; give top-left, top-right, bottom-left or "
                              "bottom-right")
                        .arg(quotedForMessage(corner))};
        marker.corner = found->second;
    }
    if (colon >= 0) {
        const QString sizeText = text.mid(colon + 1);
        const std::optional<qint64> size = readPlainNumber(sizeText, LargestMarker + 1);
        if (!size || *size < 1 || *size > LargestMarker)
            return {std::nullopt, Texts::tr("the size %1 is not a whole number of pixels from 1 "
                                            "to %2")
                                      .arg(quotedForMessage(sizeText))
                                      .arg(LargestMarker)};
        marker.size = int(*size);
    }
    return {marker, {}};
}

PixelRect markerRect(const PhotodiodeMarker& marker, int width, int height) {
    const bool left = marker.corner == PhotodiodeMarker::Corner::TopLeft ||
                      marker.corner == PhotodiodeMarker::Corner::BottomLeft;
    const bool top = marker.corner == PhotodiodeMarker::Corner::TopLeft ||
                     marker.corner == PhotodiodeMarker::Corner::TopRight;
    const int side = std::min({marker.size, std::max(width, 0), std::max(height, 0)});
    const int x = left ? 0 : width - side;
    const int y = top ? 0 : height - side;
    return {x, y, x + side, y + side};
}

std::int32_t markerColor(int step) {
    return step % 2 ? 0xffffff : 0x000000;
}
