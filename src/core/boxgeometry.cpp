#include "core/boxgeometry.h"

#include "core/centring.h"
#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(BoxGeometry)
};

// Far beyond any desktop, and small enough that a sum of two never overflows.
constexpr qint64 LargestCoordinate = 1'000'000;

qint64 areaOf(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

BoxGeometryReading readBoxGeometry(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^([0-9]+)[xX]([0-9]+)(?:\\+(-?[0-9]+)\\+(-?[0-9]+))?$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {std::nullopt, Texts::tr("%1 is not a box: write WxH+X+Y (as 64x64+812+403) or WxH "
                                        "for one in the middle of the screen")
                                  .arg(quotedForMessage(text))};
    // A place left of or above the desktop's corner is written +-N, as the box's own text does.
    const auto number = [&](int group) {
        QStringView digits = match.capturedView(group);
        const bool negative = digits.startsWith(u'-');
        const int value = int(*readPlainNumber(digits.mid(negative ? 1 : 0), LargestCoordinate));
        return negative ? -value : value;
    };
    BoxGeometry geometry;
    geometry.size = QSize(number(1), number(2));
    if (geometry.size.width() == 0 || geometry.size.height() == 0)
        return {std::nullopt,
                Texts::tr("%1 has no size: a box is at least 1x1").arg(quotedForMessage(text))};
    if (match.hasCaptured(3))
        geometry.at = QPoint(number(3), number(4));
    return {geometry, QString()};
}

QString boxGeometryText(const QRect& box) {
    return QStringLiteral("%1x%2+%3+%4")
        .arg(box.width())
        .arg(box.height())
        .arg(box.x())
        .arg(box.y());
}

BoxPlacing placeBox(const BoxGeometry& geometry, const QList<QRect>& screens,
                    const QRect& chosenScreen) {
    const QRect box(geometry.at ? *geometry.at : centredOrigin(chosenScreen, geometry.size),
                    geometry.size);
    const QRect* holder = nullptr;
    for (const QRect& screen : screens) {
        if (areaOf(screen & box) > (holder ? areaOf(*holder & box) : 0))
            holder = &screen;
    }
    const QString text = boxGeometryText(box);
    if (!holder)
        return {std::nullopt, Texts::tr("%1 is on no screen").arg(text)};
    if (box.width() > holder->width() || box.height() > holder->height())
        return {std::nullopt, Texts::tr("%1 is larger than its screen of %2x%3")
                                  .arg(text)
                                  .arg(holder->width())
                                  .arg(holder->height())};
    return {box, QString()};
}
