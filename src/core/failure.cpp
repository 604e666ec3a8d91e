#include "core/failure.h"

QString quotedForMessage(const QString& text) {
    constexpr int longest = 40;
    QString shown = text.size() > longest ? text.left(longest) + QStringLiteral("…") : text;
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return QLatin1Char('\'') + shown + QLatin1Char('\'');
}
