#include "steplog.h"

#include <QDebug>
#include <QFile>

namespace {

std::optional<qint64> counter(const QString& field) {
    bool ok = false;
    const qint64 value = field.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

} // namespace

QList<LogRow> readStepLog(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty() ||
        lines.first() != u"step,screen,first,second,target_msc,shown_msc,shown_us,missed") {
        qWarning() << "no log header:" << lines.value(0);
        return {};
    }
    QList<LogRow> rows;
    for (const QString& line : lines.mid(1)) {
        const QStringList fields = line.split(',');
        bool stepOk = false;
        bool timeOk = false;
        LogRow row{fields.value(0).toInt(&stepOk),
                   fields.value(1),
                   fields.value(2),
                   fields.value(3),
                   counter(fields.value(4)),
                   counter(fields.value(5)),
                   fields.value(6).toLongLong(&timeOk),
                   fields.value(7)};
        // A step no report came for has no time.
        if (fields.size() != 8 || !stepOk || !(timeOk || row.missed == u"missed")) {
            qWarning() << "a row of another shape:" << line;
            return {};
        }
        rows.append(row);
    }
    return rows;
}
