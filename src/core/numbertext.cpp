#include "core/numbertext.h"

#include "core/failure.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>
#include <limits>

namespace {

// Every list entry holds three plain integers, and reading one through QLocale costs about a
// microsecond: they are read here as the C locale reads them, anything else goes to QLocale.
std::optional<double> plainInteger(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].isSpace())
        ++begin;
    while (end > begin && text[end - 1].isSpace())
        --end;
    const bool negative = begin < end && text[begin] == QLatin1Char('-');
    if (negative || (begin < end && text[begin] == QLatin1Char('+')))
        ++begin;
    // Nine digits cannot overflow an int.
    if (begin == end || end - begin > 9)
        return std::nullopt;
    int value = 0;
    for (; begin < end; ++begin) {
        const char16_t c = text[begin].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -double(value) : double(value);
}

std::optional<double> parseIn(const QLocale& locale, QStringView text) {
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> textToNumber(QStringView text) {
    if (auto value = plainInteger(text))
        return value;
    if (auto value = parseIn(QLocale::c(), text))
        return value;
    return parseIn(QLocale::system(), text);
}

bool isNumericText(const QString& text) {
    return textToNumber(text).has_value();
}

double roundHalfEven(double value) {
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t textToInt16(QStringView text) {
    const auto number = textToNumber(text);
    if (!number)
        throw Failure(QCoreApplication::translate("NumberText", "%1 is not a number")
                          .arg(quotedForMessage(text.toString())));
    const double rounded = roundHalfEven(*number);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        throw Failure(
            QCoreApplication::translate("NumberText", "%1 is out of range (-32768 to 32767)")
                .arg(text.trimmed().left(40).toString()));
    return static_cast<std::int16_t>(rounded);
}

bool textToBoolean(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto number = textToNumber(text))
        return *number != 0.0;
    // The stored words True and False stay English in every language.
    throw Failure(
        QCoreApplication::translate("NumberText", "%1 is neither True, False nor a number")
            .arg(quotedForMessage(text)));
}
