#include "core/durationtext.h"

#include "core/failure.h"
#include "core/plainnumber.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

using std::chrono::seconds;

QString problemWith(const QString& text) {
    return QCoreApplication::translate(
               "DurationText", "%1 is not a time; write seconds (90 or 90s), minutes "
                               "(30m), hours (2h) or them together in that order (1h30m15s)")
        .arg(quotedForMessage(text));
}

} // namespace

DurationReading readDuration(const QString& text) {
    struct Unit {
        QChar letter;
        seconds length;
    };
    static constexpr std::array<Unit, 3> units{
        {{u'h', std::chrono::hours(1)}, {u'm', std::chrono::minutes(1)}, {u's', seconds(1)}}};
    constexpr qint64 longest = seconds(LongestDuration).count();

    if (text.isEmpty())
        return {std::nullopt, problemWith(text)};

    // The next unit a number may carry; one past the last means none is left.
    std::size_t nextUnit = 0;
    qint64 total = 0;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype digitsStart = at;
        while (at < text.size() && isAsciiDigit(text[at]))
            ++at;
        const std::optional<qint64> number =
            readPlainNumber(QStringView(text).sliced(digitsStart, at - digitsStart), longest + 1);
        if (!number)
            return {std::nullopt, problemWith(text)};

        seconds unitLength(1);
        if (at < text.size()) {
            std::size_t unit = nextUnit;
            while (unit < units.size() && units[unit].letter != text[at])
                ++unit;
            if (unit == units.size())
                return {std::nullopt, problemWith(text)};
            unitLength = units[unit].length;
            nextUnit = unit + 1;
            ++at;
        } else if (nextUnit > 0) {
            // "1h30" leaves the unit of 30 to guesswork.
            return {std::nullopt, problemWith(text)};
        }
        total = std::min(total + *number * unitLength.count(), longest + 1);
    }

    if (total > longest)
        return {std::nullopt, QCoreApplication::translate("DurationText",
                                                          "%1 is too long; the longest time is %2h")
                                  .arg(quotedForMessage(text))
                                  .arg(LongestDuration.count())};
    if (total == 0)
        return {std::nullopt,
                QCoreApplication::translate(
                    "DurationText", "%1 is no time at all; a flash that closes at once shows "
                                    "nothing, so give at least one second")
                    .arg(quotedForMessage(text))};
    return {std::chrono::milliseconds(seconds(total)), QString()};
}
