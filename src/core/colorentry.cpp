#include "core/colorentry.h"

#include "core/failure.h"
#include "core/numbertext.h"

#include <QStringList>
#include <algorithm>

ColorComponents ColorToComponents(std::int32_t color) {
    const std::int32_t greenAndBlue = color / 256;
    return {color % 256, greenAndBlue % 256, (greenAndBlue / 256) % 256};
}

QString FormatColorEntry(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return QStringLiteral("RGB(%1, %2, %3)").arg(red).arg(green).arg(blue);
}

std::int32_t ParseColorEntry(const QString& text) {
    QString bare = text;
    bare.remove(QLatin1String("RGB("), Qt::CaseSensitive);
    bare.remove(QLatin1Char(')'), Qt::CaseSensitive);
    const QStringList pieces = bare.split(QLatin1Char(','));
    if (pieces.size() < 3)
        throw Failure(quotedForMessage(text) + QStringLiteral(" is not a color: it needs three "
                                                              "components, red, green and blue"));
    const auto channel = [](const QString& piece) -> std::int32_t {
        return std::clamp<std::int32_t>(textToInt16(piece), 0, 255);
    };
    const std::int32_t blue = channel(pieces[2]);
    const std::int32_t green = channel(pieces[1]);
    const std::int32_t red = channel(pieces[0]);
    return red + 256 * green + 65536 * blue;
}
