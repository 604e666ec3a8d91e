#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"
#include "desktop.h"
#include "flashimage.h"
#include "platform/clockmicroseconds.h"
#include "refreshreader.h"
#include "steplog.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <map>
#include <optional>
#include <set>

namespace {

// Four colors that no two neighbours share, close enough not to raise the flash warning at
// every refresh, as the log writes them.
const QStringList entries{"RGB(60, 60, 60)", "RGB(62, 62, 62)", "RGB(64, 64, 64)",
                          "RGB(66, 66, 66)"};
const QStringList logged{"#3c3c3c", "#3e3e3e", "#404040", "#424242"};

// The line the program tells at each close of a flash.
const QRegularExpression summary("flash: \\d+ steps");

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

// The program flashing the list under the lock with a log, until the flash has closed; with
// frames 0, paced by the stored delay instead.
class LockedRun {
public:
    LockedRun(int frames, const QString& duration, const QStringList& more = {}) {
        const QStringList lock =
            frames > 0 ? QStringList{"--frames", QString::number(frames)} : QStringList{};
        program.setArguments(QStringList{"--start"} + lock +
                             QStringList{"--duration", duration, "--log", logPath()} + more);
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

// How many late rows a run may have, a skipped step counting as one, and the refreshes at which
// the server itself ran late: a step due at one of them is the server's, and not counted.
struct Lateness {
    qsizetype rows = 0;
    std::set<qint64> serverRanLate;

    bool excuses(const LogRow& row) const {
        if (!row.targetMsc || !row.shownMsc)
            return false;
        const auto due = serverRanLate.lower_bound(*row.targetMsc);
        return due != serverRanLate.end() && *due < *row.shownMsc;
    }
};

// The refreshes whose notice, asked for every refresh by a reader of its own, the server sent
// at a later one: it ran late there whatever the program sent.
std::set<qint64> refreshesTheServerRanLate(const RefreshReadings& seen) {
    std::set<qint64> late;
    for (const RefreshReadings::Refresh& refresh : seen.refreshes) {
        // The first notice was asked for no refresh.
        if (refresh.asked == 0)
            continue;
        for (auto msc = qint64(refresh.asked); msc < qint64(refresh.msc); ++msc)
            late.insert(msc);
    }
    return late;
}

bool unreported(const LogRow& row) {
    return row.missed == u"missed";
}

// Every step has its row, shows the next colors of the cycle, is on target and is planned the
// hold after the step before; empty when all holds, else the first row that does not. The steps
// still in flight at the close, and only they, have no report.
QString firstFault(QList<LogRow> rows, int frames, bool gradient, const Lateness& allowed) {
    // Rows are written as the display reports them, and a skipped step may be told after the next.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const LogRow& a, const LogRow& b) { return a.step < b.step; });
    qsizetype reported = rows.size();
    while (reported > 0 && unreported(rows[reported - 1]))
        --reported;
    if (rows.size() - reported > 2)
        return QStringLiteral("%1 steps without a report at the close").arg(rows.size() - reported);
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
        if (i >= reported)
            continue;
        if (allowed.excuses(row))
            continue;
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

// How the readings at each refresh went: those told against the log, and of them those taken
// while the server was between two presents: the flash's for the refresh yet to run after ours,
// or the second of two it ran for the same refresh yet to come, the first of them logged
// skipped, as it was replaced within its refresh.
struct RefreshCheck {
    int told = 0;
    int presentAfter = 0;
    int replacedWithin = 0;
};

// Each reading at a refresh is the marker's square in its corner with two rows and columns of
// the step beside it. It shows the step the server last presented before the reading, by the
// log's color and by the parity of its number, each present being the log's next step of that
// shown_msc; and that step is the one the log tells for the refresh the server's clock was at,
// but where the server's own order of events shows the reading fell between two presents.
// Empty when all holds, else the first reading that does not.
QString firstMisreading(const RefreshReadings& seen, const QList<LogRow>& rows,
                        RefreshCheck& check) {
    // The rows of each refresh in the order of their steps, and the steps left on screen.
    std::map<qint64, QList<const LogRow*>> rowsAt;
    std::map<qint64, const LogRow*> shownAt;
    for (const LogRow& row : rows) {
        if (!row.shownMsc)
            continue;
        rowsAt[*row.shownMsc].append(&row);
        if (row.missed != u"skipped")
            shownAt[*row.shownMsc] = &row;
    }
    if (shownAt.empty())
        return QStringLiteral("no step shown in the log");
    const qint64 firstLogged = rowsAt.begin()->first;
    const qint64 lastLogged = rowsAt.rbegin()->first;
    // Each present the server told, as the row it stands for.
    std::vector<const LogRow*> rowOf;
    std::map<qint64, qsizetype> toldAt;
    for (const RefreshReadings::Presented& picture : seen.presented) {
        const auto at = rowsAt.find(qint64(picture.msc));
        const qsizetype index = toldAt[qint64(picture.msc)]++;
        rowOf.push_back(at != rowsAt.end() && index < at->second.size() ? at->second[index]
                                                                        : nullptr);
    }
    qsizetype refresh = 0, presented = 0, unmapped = 0;
    std::uint64_t counter = 0;
    std::optional<qsizetype> last;
    std::set<std::uint32_t> gone;
    for (const RefreshReadings::Reading& reading : seen.readings) {
        for (; refresh < seen.refreshes.size() &&
               sentBefore(seen.refreshes[refresh].sequence, reading.sequence);
             ++refresh)
            counter = std::max(counter, seen.refreshes[refresh].msc);
        // A present the program sent after its refresh runs at once, ahead of the timers.
        for (; presented < seen.presented.size() &&
               sentBefore(seen.presented[presented].sequence, reading.sequence);
             ++presented) {
            counter = std::max(counter, seen.presented[presented].msc);
            if (!seen.presented[presented].skipped)
                last = presented;
        }
        for (; unmapped < seen.unmapped.size() &&
               sentBefore(seen.unmapped[unmapped].sequence, reading.sequence);
             ++unmapped)
            gone.insert(seen.unmapped[unmapped].window);
        // Before the first step and after the flash closed the screen shows something else.
        if (!last || gone.contains(seen.presented[*last].window))
            continue;
        const QString where = QStringLiteral("reading at refresh %1: ").arg(counter);
        const qint64 lastMsc = qint64(seen.presented[*last].msc);
        const QImage& pixels = reading.pixels;
        // The picture that opens the flash comes before the first step, its marker black.
        if (lastMsc < firstLogged) {
            if (pixels.pixelColor(pixels.width() - 1, pixels.height() - 1) != QColor(Qt::black))
                return where + QStringLiteral("the marker is not black before the first step");
            continue;
        }
        const LogRow* shown = rowOf[std::size_t(*last)];
        if (!shown) {
            // Shown after the presenter ended, at the close: the log has it unconfirmed.
            if (lastMsc > lastLogged)
                continue;
            return where + QStringLiteral("the server showed a picture at refresh %1, which the "
                                          "log has no step for")
                               .arg(lastMsc);
        }
        const QColor color(shown->first);
        const QColor marker(shown->step % 2 ? Qt::white : Qt::black);
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x) {
                const QColor expected = x >= 2 && y >= 2 ? marker : color;
                if (pixels.pixelColor(x, y) != expected)
                    return where + QStringLiteral("(%1, %2) of the corner is %3, not %4 of step %5")
                                       .arg(x)
                                       .arg(y)
                                       .arg(pixels.pixelColor(x, y).name(), expected.name())
                                       .arg(shown->step);
            }
        ++check.told;
        const auto after = shownAt.upper_bound(qint64(counter));
        const LogRow* logged = after == shownAt.begin() ? nullptr : std::prev(after)->second;
        if (logged == shown)
            continue;
        // The present the log tells for this refresh came after the reading, and so did any the
        // server ran before it.
        bool nextToCome = false;
        for (qsizetype next = *last + 1; next < qsizetype(rowOf.size()) && !nextToCome; ++next)
            nextToCome = rowOf[std::size_t(next)] == logged;
        if (!nextToCome)
            return where + QStringLiteral("the screen shows step %1, the log step %2")
                               .arg(shown->step)
                               .arg(logged ? logged->step : 0);
        ++(shown->missed == u"skipped" && logged && logged->shownMsc == shown->shownMsc
               ? check.replacedWithin
               : check.presentAfter);
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
        QTest::newRow("every second refresh, solid") << 2 << false << "5";
        QTest::newRow("every second refresh, gradient") << 2 << true << "5";
    }
    void everyStepOnItsRefresh() {
        QFETCH(int, frames);
        QFETCH(bool, gradient);
        QFETCH(QString, duration);
        if (gradient)
            storeGradientCycle(entries, 1000);
        else
            storeSolidCycle(entries, 1000);
        // Told every refresh, to tell the server's own lateness from the program's.
        RefreshReader notices{QRect()};
        QVERIFY(notices.start());
        LockedRun run(frames, duration);
        QVERIFY(run.start());
        const QString said = run.finish();
        QVERIFY2(said.contains(summary), qPrintable(said));
        const QList<LogRow> rows = run.rows();
        QVERIFY2(rows.size() >= 120, qPrintable(QString::number(rows.size())));
        const Lateness allowed{lateOnABusyMachine(rows.size()),
                               refreshesTheServerRanLate(notices.stop())};
        QStringList late;
        for (const LogRow& row : rows) {
            if (!row.onTarget())
                late << QStringLiteral("%1:%2%3").arg(row.step).arg(
                    row.missed, allowed.excuses(row) ? "(server)" : "");
        }
        qInfo("%lld rows; late (step:missed): %s; the server ran late at %lld refreshes",
              qlonglong(rows.size()), qPrintable(late.join(' ')),
              qlonglong(allowed.serverRanLate.size()));
        const QString fault = firstFault(rows, frames, gradient, allowed);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        const auto lastReported = std::find_if(rows.rbegin(), rows.rend(),
                                               [](const LogRow& row) { return !unreported(row); });
        QVERIFY(lastReported->shownUs > rows.constFirst().shownUs);
        // The closing line sums up what the log holds, the steps cut off by the close apart.
        const auto cutOff = std::count_if(rows.begin(), rows.end(), unreported);
        QVERIFY2(said.contains(QStringLiteral("flash: %1 steps,").arg(rows.size() - cutOff)),
                 qPrintable(said));
        const auto skipped = std::count_if(
            rows.begin(), rows.end(), [](const LogRow& row) { return row.missed == u"skipped"; });
        QVERIFY2(said.contains(QStringLiteral(", %1 skipped").arg(skipped)), qPrintable(said));
        if (cutOff > 0)
            QVERIFY2(said.contains(QStringLiteral(", %1 unconfirmed").arg(cutOff)),
                     qPrintable(said));
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
        if (shot.isNull())
            saveForLooking(screenshot(), "presented-hint-stayed");
        QVERIFY2(!shot.isNull(),
                 qPrintable("the hint stayed; the program said: " + run.program.output() +
                            "; log: " + QString::number(run.rows().size()) + " rows"));
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

    // Read at every refresh of the server's clock, the marker changes on the very refresh the
    // step does.
    void theMarkerChangesOnTheStepsRefresh_data() {
        QTest::addColumn<int>("frames");
        QTest::newRow("every refresh") << 1;
        QTest::newRow("every second refresh") << 2;
    }
    void theMarkerChangesOnTheStepsRefresh() {
        QFETCH(int, frames);
        storeSolidCycle(entries, 1000);
        const QSize size = screenSize();
        const int side = 48;
        RefreshReader reader(
            QRect(size.width() - side - 2, size.height() - side - 2, side + 2, side + 2));
        QVERIFY(reader.start());
        LockedRun run(frames, "5", {"--marker"});
        QVERIFY(run.start());
        QVERIFY(!run.finish().isEmpty());
        const RefreshReadings seen = reader.stop();
        RefreshCheck check;
        const QString fault = firstMisreading(seen, run.rows(), check);
        qInfo("%lld readings, %d told against the log, of them between two presents: %d before "
              "the refresh's own, %d before the one that replaced it; %d notices a refresh late",
              qlonglong(seen.readings.size()), check.told, check.presentAfter, check.replacedWithin,
              seen.lateNotices);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(check.told >= 200, qPrintable(QString::number(check.told)));
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
        const qsizetype beforeStall = run.rows().size();
        QTest::qSleep(400);
        QCOMPARE(kill(pid, SIGCONT), 0);
        QVERIFY(!run.finish().isEmpty());
        const QList<LogRow> rows = run.rows();
        QStringList late;
        for (const LogRow& row : rows) {
            if (!row.onTarget())
                late << QStringLiteral("step %1: %2 missed").arg(row.step).arg(row.missed);
        }
        qInfo("late: %s of %lld", qPrintable(late.join(", ")), qlonglong(rows.size()));
        // The stall is in the log: the first step planned during it came long after its refresh.
        const auto stalled =
            std::find_if(rows.begin() + beforeStall, rows.end(), [](const LogRow& row) {
                return row.missed == u"skipped" || row.missed.toInt() >= 12;
            });
        QVERIFY2(stalled != rows.end(), qPrintable(late.join(", ")));
        // The schedule is back within a few steps; beyond them the run may have what a busy
        // machine makes late on any run.
        const qsizetype stall = stalled - rows.begin();
        const qsizetype recovery = 5;
        QVERIFY2(rows.size() - stall - recovery >= 60, qPrintable(QString::number(rows.size())));
        const auto lateInRecovery =
            std::count_if(rows.begin() + stall, rows.begin() + stall + recovery,
                          [](const LogRow& row) { return !row.onTarget(); });
        const QString fault =
            firstFault(rows, 1, false, {lateInRecovery + lateOnABusyMachine(rows.size()), {}});
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    void aFlashWhoseWindowIsDestroyedGoesOnWithTheTimer() {
        storeSolidCycle(entries, 1000);
        LockedRun run(6, "6");
        QVERIFY(run.start());
        QVERIFY(run.waitForRows(5));
        const unsigned long flash =
            waitForOtherWindow("^Chromaflick color flash$", run.program.mainWindowId());
        QVERIFY(flash != 0);
        destroyWindow(flash);
        // The timer's rows have no counters.
        const auto timerRows = [&run] {
            const QList<LogRow> rows = run.rows();
            return std::count_if(rows.begin(), rows.end(),
                                 [](const LogRow& row) { return !row.targetMsc; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(timerRows() >= 5, 10000);
        const QString said = run.finish();
        QVERIFY2(said.contains(summary), qPrintable(said));
        QCOMPARE(said.count(QStringLiteral("the timer paces the flash from here")), 1);
        const qsizetype told = said.indexOf(QStringLiteral("the timer paces the flash from here"));
        qInfo("%s", qPrintable(said.left(told).section(u'\n', -1)));
        QList<LogRow> rows = run.rows();
        std::stable_sort(rows.begin(), rows.end(),
                         [](const LogRow& a, const LogRow& b) { return a.step < b.step; });
        for (qsizetype i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i].step, int(i + 1));
    }

    void colorsOnA30BitScreenAreExact_data() {
        QTest::addColumn<int>("frames");
        QTest::newRow("presented") << 30;
        QTest::newRow("painted by Qt") << 0;
    }
    void colorsOnA30BitScreenAreExact() {
        QFETCH(int, frames);
        if (screenDepth() != 30)
            QSKIP("for a screen of 30 bits a pixel");
        // Values whose low bits a shift would leave empty.
        const int red = 255, green = 128, blue = 1;
        // One color: every step shows it, however short the hold.
        storeSolidCycle({QStringLiteral("RGB(%1, %2, %3)").arg(red).arg(green).arg(blue)}, 500);
        LockedRun run(frames, "60");
        QVERIFY(run.start());
        QVERIFY(run.waitForRows(1, 20000));
        // Under the lock the presenter draws, with counters in the log.
        QCOMPARE(bool(run.rows().constFirst().targetMsc), frames > 0);
        const auto tenBits = [](int v) { return std::uint32_t(std::lround(v * 1023.0 / 255.0)); };
        const std::uint32_t expected = tenBits(red) << 20 | tenBits(green) << 10 | tenBits(blue);
        const QSize size = screenSize();
        const QPoint middle(size.width() / 2, size.height() / 2);
        QTRY_COMPARE_WITH_TIMEOUT(pixelValueAt(middle) & 0x3fffffffu, expected, 5000);
        QCOMPARE(run.program.endWith(SIGTERM), 0);
    }

    void aShallowScreenTellsWhyTheTimerPaces() {
        if (screenDepth() != 16)
            QSKIP("for a screen of 16 bits a pixel");
        storeSolidCycle(entries, 1000);
        LockedRun run(2, "2");
        QVERIFY(run.start());
        const QString said = run.finish();
        QVERIFY2(said.contains(summary), qPrintable(said));
        QCOMPARE(said.count(QStringLiteral("the frame lock draws on screens of 24 or 30 bits a "
                                           "pixel, and this one has 16; the timer paces the "
                                           "flash")),
                 1);
        QVERIFY2(!said.contains(QStringLiteral("offers no way")), qPrintable(said));
        QCOMPARE(said.count(QStringLiteral("cannot show the colors exactly")), 1);
        const QList<LogRow> rows = run.rows();
        QVERIFY(!rows.isEmpty());
        QVERIFY(!rows.constFirst().targetMsc);
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
        // The report counts every step sent; the closing line tells the unconfirmed apart.
        static const QRegularExpression unconfirmedTold(", (\\d+) unconfirmed");
        const int unconfirmed = unconfirmedTold.match(said).captured(1).toInt();
        QVERIFY2(figures.contains(
                     QStringLiteral("steps: %1").arg(told.captured(1).toInt() + unconfirmed)) &&
                     figures.contains(QStringLiteral("steps never reported: %1").arg(unconfirmed)),
                 qPrintable(figures.join(u'|') + u'\n' + said));
        if (logged) {
            const FrameLogReading log = readFrameLog(fileBytes(run.logPath()));
            QCOMPARE(figures, timingFigures(measureStepTiming(log.steps).front()));
        }
    }
};

CHROMAFLICK_TEST_MAIN(FrameLockEndToEnd)
#include "tst_e2e_framelock.moc"
