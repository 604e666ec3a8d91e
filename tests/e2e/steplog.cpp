#include "steplog.h"

#include "core/framelogreader.h"

#include <QColor>
#include <QDebug>
#include <QFile>

namespace {

QString colorText(std::int32_t color) {
    return QColor(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff).name();
}

std::optional<qint64> counter(const std::optional<std::uint64_t>& value) {
    return value ? std::optional<qint64>(qint64(*value)) : std::nullopt;
}

QString missedText(const LoggedStep& row) {
    switch (row.showing) {
    case LoggedStep::Showing::Skipped:
        return QStringLiteral("skipped");
    case LoggedStep::Showing::Unreported:
        return QStringLiteral("missed");
    case LoggedStep::Showing::Lost:
        return QStringLiteral("%1 %2").arg(LostRowsWord).arg(row.lostRows);
    case LoggedStep::Showing::Shown:
        break;
    }
    return QString::number(row.shown.missed);
}

} // namespace

QList<LogRow> readStepLog(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const FrameLogReading reading = readFrameLog(file.readAll());
    if (reading.badLine > 0) {
        qWarning() << "not a step log, line" << reading.badLine << reading.problem;
        return {};
    }
    QList<LogRow> rows;
    for (const LoggedStep& row : reading.steps) {
        const StepShown& shown = row.shown;
        rows.append({shown.step, shown.screen, colorText(shown.firstColor),
                     shown.secondColor ? colorText(*shown.secondColor) : QString(),
                     counter(shown.targetMsc), counter(shown.shownMsc), shown.shownUs,
                     missedText(row)});
    }
    return rows;
}
