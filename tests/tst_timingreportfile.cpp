#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"
#include "madeuplog.h"
#include "platform/timingreportfile.h"
#include "testsupport.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const ChartShape* firstOf(const Chart& chart, QStringView role) {
    for (const ChartShape& shape : chart.shapes) {
        if (shape.role == role)
            return &shape;
    }
    return nullptr;
}

// Whether the pixel is near the color: antialiasing blends a mark's rim, not its middle.
bool near(QRgb pixel, const QColor& color) {
    return std::abs(qRed(pixel) - color.red()) < 40 &&
           std::abs(qGreen(pixel) - color.green()) < 40 &&
           std::abs(qBlue(pixel) - color.blue()) < 40;
}

} // namespace

class TimingReportFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(dir_.isValid()); }

    // Each mark is painted where the picture puts it, in its color, and nothing else is there.
    void pngMarks() {
        MadeUpRun run;
        run.lateBy = {{300, 12}};
        run.skipped = {100};
        run.unreported = {450};
        const FrameLogReading log = readFrameLog(madeUpLog({run}));
        const QString path = dir_.filePath(QStringLiteral("timing.PNG"));
        QCOMPARE(writeTimingReport(path, log.steps), QString());
        QImage image(path, "PNG");
        QVERIFY(!image.isNull());
        const Chart chart = timingChart(measureStepTiming(log.steps));
        QCOMPARE(image.size(), QSize(int(chart.width), int(chart.height)));
        for (const QStringView role : {u"late", u"skipped", u"unreported", u"bin"}) {
            const ChartShape* mark = firstOf(chart, role);
            QVERIFY2(mark, qPrintable(role.toString()));
            const QPointF middle = mark->points.size() == 1
                                       ? mark->points[0]
                                       : (mark->points[0] + mark->points[1]) / 2;
            const QRgb pixel = image.pixel(middle.toPoint());
            QVERIFY2(near(pixel, mark->color), qPrintable(QStringLiteral("%1: %2 for %3")
                                                              .arg(role)
                                                              .arg(pixel, 0, 16)
                                                              .arg(mark->color.name())));
        }
        // Above the plan and below the stall, between the marks: the background.
        const ChartShape* late = firstOf(chart, u"late");
        QCOMPARE(image.pixel((late->points[0] + QPointF(-40, 20)).toPoint()), qRgb(255, 255, 255));
    }

    void formatBySuffix() {
        const std::vector<LoggedStep> steps = readFrameLog(madeUpLog({MadeUpRun{}})).steps;
        const QString svg = dir_.filePath(QStringLiteral("timing.svg"));
        const QString png = dir_.filePath(QStringLiteral("timing.png"));
        QCOMPARE(writeTimingReport(svg, steps), QString());
        QCOMPARE(writeTimingReport(png, steps), QString());
        QVERIFY(fileBytes(svg).startsWith("<?xml"));
        QVERIFY(fileBytes(png).startsWith("\x89PNG"));
    }

    void fromLogProblems_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("problem");
        const QByteArray good = madeUpLog({MadeUpRun{}});
        QTest::newRow("a bad third line")
            << good.left(good.indexOf('\n', good.indexOf('\n') + 1) + 1) + "2,x\n"
            << "r.svg"
            << "--from-log: 'steps.csv' is no step log, line 3: 2 fields where the log has 8";
        QTest::newRow("a folder to draw to") << good << "."
                                             << "--report: ";
    }
    void fromLogProblems() {
        QFETCH(QByteArray, log);
        QFETCH(QString, report);
        QFETCH(QString, problem);
        const QString logPath = dir_.filePath(QStringLiteral("steps.csv"));
        QVERIFY(putFile(logPath, log));
        const QString told = writeTimingReportFromLog(dir_.filePath(report), logPath);
        QVERIFY2(told.startsWith(problem), qPrintable(told));
        QVERIFY(!told.contains(u'\n'));
    }

    void missingLog() {
        const QString told = writeTimingReportFromLog(dir_.filePath(QStringLiteral("r.svg")),
                                                      dir_.filePath(QStringLiteral("none.csv")));
        QVERIFY2(told.startsWith(QStringLiteral("--from-log: 'none.csv'")), qPrintable(told));
        QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("r.svg"))));
    }

private:
    QTemporaryDir dir_;
};

CHROMAFLICK_TEST_MAIN(TimingReportFileTest)
#include "tst_timingreportfile.moc"
