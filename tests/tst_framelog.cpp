#include "core/flashtally.h"
#include "core/framelog.h"

#include <QtTest>

Q_DECLARE_METATYPE(StepShown)

class FrameLogTest : public QObject {
    Q_OBJECT
private slots:
    void row_data() {
        QTest::addColumn<StepShown>("shown");
        QTest::addColumn<QString>("row");
        StepShown solid;
        solid.step = 1;
        solid.screen = QStringLiteral("HDMI-1");
        solid.firstColor = 0x0080ff; // red ff, green 80, blue 00
        solid.targetMsc = 100;
        solid.shownMsc = 100;
        solid.shownUs = 123456789;
        QTest::newRow("solid on time") << solid << "1,HDMI-1,#ff8000,,100,100,123456789,0";
        StepShown late = solid;
        late.step = 7;
        late.secondColor = 0xff0000;
        late.shownMsc = 102;
        late.missed = 2;
        QTest::newRow("late gradient") << late << "7,HDMI-1,#ff8000,#0000ff,100,102,123456789,2";
        StepShown skipped = late;
        skipped.skipped = true;
        QTest::newRow("skipped") << skipped << "7,HDMI-1,#ff8000,#0000ff,100,102,123456789,skipped";
        StepShown unconfirmed;
        unconfirmed.step = 8;
        unconfirmed.screen = QStringLiteral("HDMI-1");
        unconfirmed.firstColor = 0x0080ff;
        unconfirmed.shownUs = 123456789;
        unconfirmed.unconfirmed = true;
        QTest::newRow("never reported") << unconfirmed << "8,HDMI-1,#ff8000,,,,123456789,missed";
        StepShown unreported = solid;
        unreported.shownMsc.reset();
        unreported.unconfirmed = true;
        unreported.shownUs = 0;
        QTest::newRow("no report before the close")
            << unreported << "1,HDMI-1,#ff8000,,100,,,missed";
        StepShown timer;
        timer.step = 3;
        timer.screen = QStringLiteral("screen, \"left\"");
        timer.firstColor = 0x010203;
        timer.shownUs = 5;
        QTest::newRow("no counters, a name to quote")
            << timer << "3,\"screen, \"\"left\"\"\",#030201,,,,5,0";
    }
    void row() {
        QFETCH(StepShown, shown);
        QFETCH(QString, row);
        QCOMPARE(frameLogRow(shown), row);
    }

    void refreshesForDelay_data() {
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<double>("hz");
        QTest::addColumn<int>("refreshes");
        QTest::newRow("100 ms at 60 Hz") << 100 << 60.0 << 6;
        QTest::newRow("20 ms at 60 Hz rounds down") << 20 << 60.0 << 1;
        QTest::newRow("25 ms at 60 Hz rounds up") << 25 << 60.0 << 2;
        QTest::newRow("1 ms is still one") << 1 << 60.0 << 1;
        QTest::newRow("0 ms is still one") << 0 << 60.0 << 1;
        QTest::newRow("500 ms at 144 Hz") << 500 << 144.0 << 72;
        QTest::newRow("unknown rate") << 500 << 0.0 << 1;
        QTest::newRow("longest delay stays in range") << 32767 << 1000.0 << 32767;
    }
    void refreshesForDelay() {
        QFETCH(int, delayMs);
        QFETCH(double, hz);
        QFETCH(int, refreshes);
        QCOMPARE(::refreshesForDelay(delayMs, hz), refreshes);
    }

    void lateByTimestamps_data() {
        QTest::addColumn<qint64>("targetUs");
        QTest::addColumn<qint64>("shownUs");
        QTest::addColumn<qint64>("missed");
        QTest::newRow("early") << qint64(1000) << qint64(900) << qint64(0);
        QTest::newRow("jitter below half a period") << qint64(1000) << qint64(9000) << qint64(0);
        QTest::newRow("one refresh") << qint64(1000) << qint64(17667) << qint64(1);
        QTest::newRow("three refreshes") << qint64(0) << qint64(50000) << qint64(3);
    }
    void lateByTimestamps() {
        QFETCH(qint64, targetUs);
        QFETCH(qint64, shownUs);
        QFETCH(qint64, missed);
        QCOMPARE(refreshesLate(targetUs, shownUs, 16667), missed);
    }

    void tallyWithCounters() {
        FlashTally tally;
        tally.setReportedRate(60);
        for (int i = 0; i < 10; ++i) {
            StepShown shown;
            shown.step = i + 1;
            shown.shownMsc = std::uint64_t(1000 + 2 * i);
            // A measured 50 Hz, not the reported 60.
            shown.shownUs = 20'000 * 2 * i;
            shown.skipped = i == 4;
            shown.missed = i == 5 ? 1 : 0;
            tally.add(shown);
        }
        QCOMPARE(tally.steps(), 10);
        QCOMPARE(tally.skipped(), 1);
        QCOMPARE(tally.missed(), qint64(1));
        QCOMPARE(tally.refreshes(), qint64(20));
        QCOMPARE(tally.summary(),
                 QStringLiteral("flash: 10 steps, 20 refreshes at 50.00 Hz, 1 missed, 1 skipped"));
        tally.reset();
        QCOMPARE(tally.summary(),
                 QStringLiteral("flash: 0 steps, 0 refreshes at 60.00 Hz, 0 missed, 0 skipped"));
    }

    void tallyLeavesUnconfirmedStepsOutOfItsFigures_data() {
        QTest::addColumn<bool>("unreported");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("summary");
        QTest::newRow("cut off by the close")
            << false << QString()
            << "flash: 2 steps, 4 refreshes at 60.00 Hz, 0 missed, 0 skipped, 2 unconfirmed";
        QTest::newRow("a compositor that does not report")
            << true << QString()
            << "flash: 2 steps, 4 refreshes at 60.00 Hz, 0 missed, 0 skipped, 2 unconfirmed: the "
               "compositor does not report presentation for this window";
        QTest::newRow("one of several screens, a name with a percent sign")
            << false << "HDMI %1"
            << "flash on HDMI %1: 2 steps, 4 refreshes at 60.00 Hz, 0 missed, 0 skipped, 2 "
               "unconfirmed";
    }
    void tallyLeavesUnconfirmedStepsOutOfItsFigures() {
        QFETCH(bool, unreported);
        QFETCH(QString, screen);
        QFETCH(QString, summary);
        FlashTally tally;
        tally.setReportedRate(60);
        for (int i = 0; i < 4; ++i) {
            StepShown shown;
            shown.shownUs = 16'667 * i;
            // Unreported steps lie between and after the reported ones.
            shown.unconfirmed = i % 2 == 1;
            if (!shown.unconfirmed)
                shown.shownMsc = std::uint64_t(100 + i);
            tally.add(shown);
        }
        if (unreported)
            tally.noteUnreported();
        QCOMPARE(tally.steps(), 2);
        QCOMPARE(tally.unconfirmed(), 2);
        QCOMPARE(tally.summary(screen), summary);
    }

    // Enough steps give the rate's spread: here every second step is told 5 ms late, so the
    // steps alternate 44.44 Hz and 57.14 Hz.
    void tallySpread_data() {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("summary");
        QTest::newRow("too few to tell") << 10
                                         << "flash: 10 steps, 20 refreshes at 49.32 Hz, 0 "
                                            "missed, 0 skipped";
        QTest::newRow("enough") << 11
                                << "flash: 11 steps, 22 refreshes at 50.00 Hz ± 6.69, 0 missed, "
                                   "0 skipped";
    }
    void tallySpread() {
        QFETCH(int, steps);
        QFETCH(QString, summary);
        FlashTally tally;
        tally.setReportedRate(60);
        for (int i = 0; i < steps; ++i) {
            StepShown shown;
            shown.step = i + 1;
            shown.shownMsc = std::uint64_t(1000 + 2 * i);
            shown.shownUs = 40'000 * i + (i % 2 ? 5'000 : 0);
            tally.add(shown);
        }
        QCOMPARE(tally.summary(), summary);
    }

    void tallyWithoutCounters() {
        FlashTally tally;
        tally.setReportedRate(60);
        for (int i = 0; i < 4; ++i) {
            StepShown shown;
            shown.shownUs = 100'000 * i;
            tally.add(shown);
        }
        // 0.3 s at 60 Hz, and the last step's first refresh.
        QCOMPARE(tally.refreshes(), qint64(19));
        QCOMPARE(tally.measuredRate(), 60.0);
    }
};

QTEST_GUILESS_MAIN(FrameLogTest)
#include "tst_framelog.moc"
