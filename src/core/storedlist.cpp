#include "core/storedlist.h"

const QStringList& DefaultColorList() {
    static const QStringList defaults{
        QStringLiteral("RGB(255, 0, 0)"),   QStringLiteral("RGB(255, 127, 0)"),
        QStringLiteral("RGB(255, 255, 0)"), QStringLiteral("RGB(0, 255, 0)"),
        QStringLiteral("RGB(0, 0, 255)"),   QStringLiteral("RGB(75, 0, 130)"),
        QStringLiteral("RGB(143, 0, 255)"),
    };
    return defaults;
}

QStringList splitStoredList(const QString& stored) {
    // QString::split looks for the whole separator at every step, about a nanosecond a character;
    // looking for its first character first skips a long entry many times faster.
    const QStringView text(stored);
    const QChar first = ListSeparator[0];
    QStringList entries;
    qsizetype start = 0;
    qsizetype candidate = text.indexOf(first);
    while (candidate >= 0) {
        if (text.sliced(candidate).startsWith(ListSeparator)) {
            if (candidate > start)
                entries << text.sliced(start, candidate - start).toString();
            start = candidate + ListSeparator.size();
            candidate = text.indexOf(first, start);
        } else {
            candidate = text.indexOf(first, candidate + 1);
        }
    }
    if (start < text.size())
        entries << text.sliced(start).toString();
    return entries;
}

QString joinStoredList(const QStringList& entries) {
    QString stored;
    qsizetype length = 0;
    for (const QString& entry : entries)
        length += entry.size() + ListSeparator.size();
    stored.reserve(length);
    for (const QString& entry : entries)
        stored += entry + ListSeparator;
    return stored;
}
