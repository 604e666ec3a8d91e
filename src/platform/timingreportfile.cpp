#include "platform/timingreportfile.h"

#include "core/chartsvg.h"
#include "core/reportformat.h"
#include "core/timingchart.h"
#include "platform/chartimage.h"
#include "platform/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TimingReportFile)
};

// Far above the log of a day's flash at 240 Hz.
constexpr qint64 LargestLog = qint64(2) << 30;

} // namespace

QString writeTimingReport(const QString& path, const std::vector<LoggedStep>& steps) {
    const Chart chart = timingChart(measureStepTiming(steps));
    QByteArray bytes;
    if (reportFormatForPath(path) == ReportFormat::Png) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!chartImage(chart).save(&buffer, "PNG"))
            return Texts::tr("%1 could not be drawn as PNG").arg(shownFileName(path));
    } else {
        bytes = chartSvg(chart);
    }
    return replaceFile(path, bytes);
}

QString writeTimingReportFromLog(const QString& reportPath, const QString& logPath) {
    const FileReading file = readRegularFile(logPath, LargestLog);
    if (!file.problem.isEmpty())
        return Texts::tr("--from-log: %1").arg(file.problem);
    const FrameLogReading log = readFrameLog(file.bytes);
    if (log.badLine > 0)
        return Texts::tr("--from-log: %1 is no step log, line %2: %3")
            .arg(shownFileName(logPath))
            .arg(log.badLine)
            .arg(log.problem);
    const QString problem = writeTimingReport(reportPath, log.steps);
    return problem.isEmpty() ? problem : Texts::tr("--report: %1").arg(problem);
}
