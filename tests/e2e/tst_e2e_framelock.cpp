#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"
#include "desktop.h"
#include "flashimage.h"
#include "steplog.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <ctime>
#include <optional>

namespace {

// Four colors that no two neighbours share, close enough not to raise the flash warning at
// every refresh, as the log writes them.
const QStringList entries{"RGB(60, 60, 60)", "RGB(62, 62, 62)", "RGB(64, 64, 64)",
                          "RGB(66, 66, 66)"};
const QStringList logged{"#3c3c3c", "#3e3e3e", "#404040", "#424242"};

// The line the program tells at each close of a flash.
const QRegularExpression summary("flash: \\d+ steps");

qint64 monotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

QSize screenSize() {
    const QStringList size = xdotool({"getdisplaygeometry"}).trimmed().split(' ');
    return size.size() == 2 ? QSize(size[0].toInt(), size[1].toInt()) : QSize();
}

// What the list's cycle shows at this step: the solid cycle holds its last color over the rewind
// tick, the gradient cycle pairs each color with the next.
std::pair<QString, QString> cycleColors(int step, bool gradient) {
    const int count = int(logged.size());
    if (gradient)
        return {logged[(step - 1) % count], logged[step % count]};
    return {logged[std::min((step - 1) % (count + 1), count - 1)], QString()};
}

// The program flashing the list under the lock with a log, until the flash has closed.
class LockedRun {
public:
    LockedRun(int frames, const QString& duration, const QStringList& more = {}) {
        program.setArguments(QStringList{"--start", "--frames", QString::number(frames),
                                         "--duration", duration, "--log", logPath()} +
                             more);
    }
    QString filePath(const QString& name) const { return folder.filePath(name); }
    QString logPath() const { return folder.filePath("steps.csv"); }
    QList<LogRow> rows() const { return readStepLog(logPath()); }
    bool start() { return program.start(); }
    // Waits until the log holds at least this many rows.
    bool waitForRows(int count, int milliseconds = 30000) {
        QDeadlineTimer deadline(milliseconds);
        while (rows().size() < count && !deadline.hasExpired())
            QTest::qWait(50);
        return rows().size() >= count;
    }
    // Waits for the timed flash to close, then ends the program; the summary it printed.
    QString finish() {
        QDeadlineTimer deadline(60000);
        QString said;
        while (!said.contains(summary) && !deadline.hasExpired()) {
            QTest::qWait(100);
            said += program.output();
        }
        if (program.closeMainWindow() != 0)
            return {};
        return said + program.output();
    }

    RunningProgram program;

private:
    QTemporaryDir folder;
};

// How many late rows a run may have, and whether a skipped step counts as one.
struct Lateness {
    qsizetype rows = 0;
    bool skips = false;
};

// Every step has its row, shows the next colors of the cycle, is on target and is planned the
// hold after the step before; empty when all holds, else the first row that does not.
QString firstFault(QList<LogRow> rows, int frames, bool gradient, Lateness allowed = {}) {
    // Rows are written as the display reports them, and a skipped step may be told after the next.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LogRow& a, const LogRow& b) { return a.step < b.step; });
    qsizetype late = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const LogRow& row = rows[i];
        const QString where = QStringLiteral("row %1 (step %2): ").arg(i + 1).arg(row.step);
        if (row.step != i + 1)
            return where + "a step without its row, or with two";
        const auto [first, second] = cycleColors(row.step, gradient);
        if (row.first != first || row.second != second)
            return where + QStringLiteral("shows %1 %2 for %3 %4")
                               .arg(row.first, row.second, first, second);
        if (row.missed == u"skipped" && !allowed.skips)
            return where + "skipped";
        if (!row.onTarget() && ++late > allowed.rows)
            return where + QStringLiteral("shown at %1 for %2, %3 missed; %4 late so far")
                               .arg(row.shownMsc.value_or(-1))
                               .arg(row.targetMsc.value_or(-1))
                               .arg(row.missed)
                               .arg(late);
        if (i > 0 && rows[i - 1].onTarget() && row.onTarget() &&
            *row.targetMsc != *rows[i - 1].targetMsc + frames)
            return where + QStringLiteral("target %1 after %2")
                               .arg(*row.targetMsc)
                               .arg(*rows[i - 1].targetMsc);
    }
    return {};
}

} // namespace

class FrameLockEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void everyStepOnItsRefresh_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("gradient");
        QTest::addColumn<QString>("duration");
        QTest::newRow("every refresh, solid") << 1 << false << "5";
        QTest::newRow("every refresh, gradient") << 1 << true << "5";
        QTest::newRow("every second refresh, solid") << 2 << false << "9";
        QTest::newRow("every second refresh, gradient") << 2 << true << "9";
    }
    void everyStepOnItsRefresh() {
        QFETCH(int, frames);
        QFETCH(bool, gradient);
        QFETCH(QString, duration);
        if (gradient)
            storeGradientCycle(entries, 1000);
        else
            storeSolidCycle(entries, 1000);
        LockedRun run(frames, duration);
        QVERIFY(run.start());
        const QString said = run.finish();
        QVERIFY2(said.contains(summary), qPrintable(said));
        const QList<LogRow> rows = run.rows();
        QVERIFY2(rows.size() >= 250, qPrintable(QString::number(rows.size())));
        QStringList late;
        for (const LogRow& row : rows) {
            if (!row.onTarget())
                late << QStringLiteral("%1:%2").arg(row.step).arg(row.missed);
        }
        qInfo("%lld rows; late (step:missed): %s", qlonglong(rows.size()),
              qPrintable(late.join(' ')));
        // At 1080p everything comes on its refresh but for a rare step that Xvfb, its clock a
        // timer of a virtual machine, tells a refresh late or, met by the next one, skipped. A
        // 4K step costs Xvfb about 11 ms of CPU on a machine of two cores, so at every refresh
        // it falls behind at times (the benchmark counts how often), and at every second one it
        // may come late now and then.
        Lateness allowed{1, true};
        if (screenSize().width() > 1920)
            allowed = frames == 1 ? Lateness{rows.size(), true} : Lateness{rows.size() / 50, false};
        const QString fault = firstFault(rows, frames, gradient, allowed);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY(rows.constLast().shownUs > rows.constFirst().shownUs);
        QVERIFY2(said.contains(QStringLiteral("flash: %1 steps,").arg(rows.size())),
                 qPrintable(said));
        // The closing line sums up what the log holds.
        const auto skipped = std::count_if(
            rows.begin(), rows.end(), [](const LogRow& row) { return row.missed == u"skipped"; });
        QVERIFY2(said.contains(QStringLiteral(", %1 skipped").arg(skipped)), qPrintable(said));
    }

    void aPresentedGradientShowsThePaintersPixels_data() {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("left to right") << false;
        QTest::newRow("up and down") << true;
    }
    void aPresentedGradientShowsThePaintersPixels() {
        QFETCH(bool, vertical);
        storeGradientCycle({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}, 1000, vertical);
        // Ten seconds a step: the first one stays while it is read.
        LockedRun run(600, "60");
        QVERIFY(run.start());
        QVERIFY(run.waitForRows(1, 20000));
        xdotool({"key", "h", "i", "d", "e"});
        const QImage shot = waitForScreen([](const QImage& shot) { return !hintShows(shot); });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, vertical ? "presented-up-and-down" : "presented-left-to-right");
        const QString wrong =
            differences(shot, paintedGradient(shot.size(), Qt::red, Qt::blue, vertical));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        QCOMPARE(run.rows().size(), 1);
        QCOMPARE(run.program.endWith(SIGTERM), 0);
    }

    // With a marker the reading takes in its square too, in the same grab as the step's pixels:
    // both belong to the same step, the marker white on odd steps and black on even ones.
    void aScreenReadAnyTimeShowsTheLoggedColor_data() {
        QTest::addColumn<bool>("marked");
        QTest::newRow("no marker") << false;
        QTest::newRow("marker") << true;
    }
    void aScreenReadAnyTimeShowsTheLoggedColor() {
        QFETCH(bool, marked);
        storeSolidCycle(entries, 1000);
        // Half a second a step leaves each reading well inside one step.
        LockedRun run(30, "8", marked ? QStringList{"--marker"} : QStringList{});
        QVERIFY(run.start());
        QVERIFY(run.waitForRows(1));
        const QSize size = screenSize();
        const int side = 48;
        // A line across the screen below the hint; with a marker, the bottom row through it.
        const QRect line = marked ? QRect(0, size.height() - 1, size.width(), 1)
                                  : QRect(0, size.height() * 3 / 4, size.width(), 1);
        struct Reading {
            qint64 from;
            qint64 to;
            QImage pixels;
        };
        QList<Reading> readings;
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("reading at moments drawn from seed %u", seed);
        QRandomGenerator moments(seed);
        for (int i = 0; i < 10; ++i) {
            QTest::qWait(moments.bounded(150, 650));
            const qint64 from = monotonicMicroseconds();
            const QImage pixels = screenArea(line);
            readings.append({from, monotonicMicroseconds(), pixels});
        }
        QVERIFY(!run.finish().isEmpty());
        const QList<LogRow> rows = run.rows();
        QVERIFY(rows.size() >= 12);
        // The timestamps jitter by a few milliseconds: a reading that close to a change tells
        // nothing.
        const qint64 margin = 20000;
        int told = 0;
        for (const Reading& reading : readings) {
            for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
                if (rows[i].shownUs + margin > reading.from ||
                    rows[i + 1].shownUs - margin < reading.to)
                    continue;
                ++told;
                const QColor expected(rows[i].first);
                const QColor marker(rows[i].step % 2 ? Qt::white : Qt::black);
                const int width = reading.pixels.width();
                for (int x = 0; x < width; ++x)
                    QCOMPARE(reading.pixels.pixelColor(x, 0),
                             marked && x >= width - side ? marker : expected);
            }
        }
        QVERIFY2(told >= 5, qPrintable(QString::number(told)));
    }

    void aWindowThatCoveredTheFlashLeavesNoTrace() {
        storeSolidCycle({"RGB(0, 0, 255)"}, 1000);
        // Six seconds a step: only the repair of the uncovered part can clear it in that time.
        LockedRun run(360, "60");
        QVERIFY(run.start());
        QVERIFY(run.waitForRows(1, 20000));
        const QPoint inside(900, 500);
        QCOMPARE(pixelAt(inside), QColor(0, 0, 255));
        QProcess cover;
        cover.start("xmessage", {"-geometry", "400x300+700+350", "-bg", "yellow", "cover"});
        QVERIFY(cover.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(pixelAt(inside) != QColor(0, 0, 255), 3000);
        cover.kill();
        cover.waitForFinished();
        const QRect covered(698, 348, 404, 304);
        const auto repaired = [&] {
            const QImage area = screenArea(covered);
            for (int y = 0; y < area.height(); ++y) {
                for (int x = 0; x < area.width(); ++x) {
                    if (area.pixelColor(x, y) != QColor(0, 0, 255))
                        return false;
                }
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(repaired(), 2000);
        // No later step painted it over.
        QCOMPARE(run.rows().size(), 1);
        QCOMPARE(run.program.endWith(SIGTERM), 0);
    }

    void aStalledProgramShowsTheStallThenKeepsTime() {
        storeSolidCycle(entries, 1000);
        LockedRun run(1, "5");
        QVERIFY(run.start());
        QVERIFY(run.waitForRows(60));
        const auto pid = pid_t(run.program.processId());
        QCOMPARE(kill(pid, SIGSTOP), 0);
        QTest::qSleep(400);
        QCOMPARE(kill(pid, SIGCONT), 0);
        QVERIFY(!run.finish().isEmpty());
        const QList<LogRow> rows = run.rows();
        // The stall is in the log: the first step after it came long after its refresh.
        qsizetype lastLate = -1;
        QStringList late;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (!rows[i].onTarget()) {
                lastLate = i;
                late << QStringLiteral("step %1: %2 missed").arg(rows[i].step).arg(rows[i].missed);
            }
        }
        qInfo("late: %s of %lld", qPrintable(late.join(", ")), qlonglong(rows.size()));
        QVERIFY(lastLate >= 0);
        const LogRow& stalled = rows[lastLate];
        QVERIFY2(stalled.missed == u"skipped" || stalled.missed.toInt() >= 12,
                 qPrintable(stalled.missed));
        // And the steps after it are on their refreshes again, one apart.
        const QList<LogRow> after = rows.mid(lastLate + 1);
        QVERIFY2(after.size() >= 60, qPrintable(QString::number(after.size())));
        for (qsizetype i = 1; i < after.size(); ++i) {
            QVERIFY(after[i].onTarget());
            QCOMPARE(*after[i].targetMsc, *after[i - 1].targetMsc + 1);
        }
    }

    // The report drawn at the end of a run sums up the steps the flash showed, with a log or
    // without one.
    void reportAtTheEnd_data() {
        QTest::addColumn<bool>("logged");
        QTest::newRow("with a log") << true;
        QTest::newRow("without a log") << false;
    }
    void reportAtTheEnd() {
        QFETCH(bool, logged);
        storeSolidCycle(entries, 1000);
        LockedRun run(2, "3");
        const QString report = run.filePath(QStringLiteral("timing.svg"));
        run.program.setArguments(
            QStringList{"--start", "--frames", "2", "--duration", "3", "--report", report} +
            (logged ? QStringList{"--log", run.logPath()} : QStringList{}));
        QVERIFY(run.start());
        const QString said = run.finish();
        static const QRegularExpression stepsTold("flash: (\\d+) steps");
        const QRegularExpressionMatch told = stepsTold.match(said);
        QVERIFY2(told.hasMatch(), qPrintable(said));
        QStringList figures;
        static const QRegularExpression figure("class=\"figure\"[^>]*>([^<]*)</text>");
        for (const QRegularExpressionMatch& match :
             figure.globalMatch(QString::fromUtf8(fileBytes(report))))
            figures << match.captured(1);
        QVERIFY2(figures.contains(QStringLiteral("steps: ") + told.captured(1)),
                 qPrintable(figures.join(u'|') + u'\n' + said));
        if (logged) {
            const FrameLogReading log = readFrameLog(fileBytes(run.logPath()));
            QCOMPARE(figures, timingFigures(measureStepTiming(log.steps).front()));
        }
    }
};

CHROMAFLICK_TEST_MAIN(FrameLockEndToEnd)
#include "tst_e2e_framelock.moc"
