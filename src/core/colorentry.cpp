#include "core/colorentry.h"

#include "core/failure.h"
#include "core/numbertext.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

QString FormatColorEntry(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return QStringLiteral("RGB(%1, %2, %3)").arg(red).arg(green).arg(blue);
}

std::int32_t ParseColorEntry(const QString& text) {
    if (text.size() > LongestColorEntry)
        throw Failure(QCoreApplication::translate(
                          "ColorEntry", "%1 is not a color: it is longer than %2 characters")
                          .arg(quotedForMessage(text))
                          .arg(LongestColorEntry));
    // One pass instead of removing the markers and splitting: the check before a flash reads
    // every entry of the list.
    constexpr QStringView marker = u"RGB(";
    QString bare(text.size(), Qt::Uninitialized);
    QChar* out = bare.data();
    std::array<const QChar*, 4> pieceStart{out, out, out, out};
    std::size_t pieces = 1;
    for (qsizetype i = 0; i < text.size() && pieces <= 3; ++i) {
        const QChar c = text[i];
        if (c == marker[0] && QStringView(text).sliced(i).startsWith(marker)) {
            i += marker.size() - 1;
        } else if (c == QLatin1Char(',')) {
            *out++ = c;
            pieceStart[pieces++] = out;
        } else if (c != QLatin1Char(')')) {
            *out++ = c;
        }
    }
    if (pieces < 3)
        throw Failure(
            QCoreApplication::translate(
                "ColorEntry", "%1 is not a color: it needs three components, red, green and blue")
                .arg(quotedForMessage(text)));
    const auto channel = [&](std::size_t piece) -> std::int32_t {
        const QChar* end = piece + 1 < pieces ? pieceStart[piece + 1] - 1 : out;
        return std::clamp<std::int32_t>(textToInt16(QStringView(pieceStart[piece], end)), 0, 255);
    };
    const std::int32_t blue = channel(2);
    const std::int32_t green = channel(1);
    const std::int32_t red = channel(0);
    return ColorFromComponents(red, green, blue);
}
