#include "core/plainnumber.h"

#include <algorithm>

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c) {
    return isAsciiDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

std::optional<qint64> readPlainNumber(QStringView text, qint64 ceiling) {
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return std::nullopt;
    qint64 value = 0;
    for (QChar c : text)
        value = std::min(value * 10 + (c.unicode() - u'0'), ceiling);
    return value;
}
