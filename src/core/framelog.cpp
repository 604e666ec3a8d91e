#include "core/framelog.h"

#include "core/heldrefreshes.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

QString colorText(std::int32_t color) {
    const auto channel = [color](int shift) { return (color >> shift) & 0xff; };
    return QStringLiteral("#%1%2%3")
        .arg(channel(0), 2, 16, QLatin1Char('0'))
        .arg(channel(8), 2, 16, QLatin1Char('0'))
        .arg(channel(16), 2, 16, QLatin1Char('0'));
}

// A screen's name is the one field a system may fill with anything.
QString csvField(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString counterText(const std::optional<std::uint64_t>& counter) {
    return counter ? QString::number(*counter) : QString();
}

QString missedText(const StepShown& shown) {
    if (shown.unconfirmed)
        return QStringLiteral("missed");
    if (shown.skipped)
        return QStringLiteral("skipped");
    return QString::number(shown.missed);
}

} // namespace

QString frameLogRow(const StepShown& shown) {
    const QStringList fields{
        QString::number(shown.step),
        csvField(shown.screen),
        colorText(shown.firstColor),
        shown.secondColor ? colorText(*shown.secondColor) : QString(),
        counterText(shown.targetMsc),
        counterText(shown.shownMsc),
        shown.unconfirmed && shown.shownUs == 0 ? QString() : QString::number(shown.shownUs),
        missedText(shown)};
    return fields.join(u',');
}

QString frameLogLostRow(int firstStep, const QString& screen, std::int64_t count) {
    return QStringLiteral("%1,%2,,,,,,%3 %4")
        .arg(QString::number(firstStep), csvField(screen), QLatin1StringView(LostRowsWord),
             QString::number(count));
}

int refreshesForDelay(int delayMs, double refreshHz) {
    if (!(refreshHz > 0))
        return 1;
    const double refreshes = std::round(delayMs * refreshHz / 1000.0);
    return static_cast<int>(std::clamp(refreshes, 1.0, double(MaxHeldRefreshes)));
}

std::int64_t refreshesLate(std::int64_t targetUs, std::int64_t shownUs, std::int64_t periodUs) {
    if (periodUs <= 0 || shownUs <= targetUs)
        return 0;
    // Half a period of jitter is still the refresh it was meant for.
    return (shownUs - targetUs + periodUs / 2) / periodUs;
}
