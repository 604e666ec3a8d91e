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
    return stored.split(ListSeparator, Qt::SkipEmptyParts, Qt::CaseSensitive);
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
