#include "core/showingwatch.h"

#include <QtTest>

namespace {

constexpr std::int64_t Period = 16667;

} // namespace

class ShowingWatchTest : public QObject {
    Q_OBJECT
private slots:
    void givesUpWhatTheDisplayNeverReports_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("periods"); // since it was sent
        QTest::addColumn<bool>("reported");
        QTest::addColumn<bool>("givenUp");
        QTest::newRow("reported in time") << 1 << 5 << 5 << true << false;
        QTest::newRow("every refresh: until the step after next is asked")
            << 1 << 1 << 1 << false << false;
        QTest::newRow("every refresh: the step after next asked") << 1 << 2 << 2 << false << true;
        QTest::newRow("two refreshes: the step after next not yet asked")
            << 2 << 3 << 3 << false << false;
        QTest::newRow("two refreshes: the step after next asked") << 2 << 4 << 4 << false << true;
        QTest::newRow("long steps: a few refreshes") << 30 << 4 << 4 << false << true;
        // A pause: the refresh that carried the step, then none.
        QTest::newRow("one frame: a few refreshes of time after it")
            << 2 << 1 << 7 << false << true;
        QTest::newRow("one frame: before that") << 2 << 1 << 6 << false << false;
        // A window not yet mapped: nothing carried it yet.
        QTest::newRow("no frame yet") << 2 << 0 << 30 << false << false;
    }
    void givesUpWhatTheDisplayNeverReports() {
        QFETCH(int, held);
        QFETCH(int, frames);
        QFETCH(int, periods);
        QFETCH(bool, reported);
        QFETCH(bool, givenUp);
        ShowingWatch watch;
        watch.begin(held, Period);
        const std::int64_t sent = 1'000'000;
        watch.sent(7, sent);
        if (reported)
            watch.reported(7);
        for (int i = 1; i <= frames; ++i)
            watch.frame(sent + i * Period - 100);
        const std::vector<ShowingWatch::Unreported> overdue =
            watch.overdue(sent + periods * Period);
        QCOMPARE(overdue.size(), std::size_t(givenUp ? 1 : 0));
        if (givenUp) {
            QCOMPARE(overdue[0].key, std::uint64_t(7));
            QCOMPARE(overdue[0].carriedUs, sent + Period - 100);
        }
        // Given up or reported, a step is told once at most; the rest at the end, carried or not.
        const std::vector<ShowingWatch::Unreported> rest = watch.takeAll();
        QCOMPARE(rest.size(), std::size_t(givenUp || reported ? 0 : 1));
        if (!rest.empty())
            QCOMPARE(rest[0].carriedUs, frames > 0 ? sent + Period - 100 : sent);
    }

    void givesUpInTheOrderSent() {
        ShowingWatch watch;
        watch.begin(1, Period);
        for (std::uint64_t key = 1; key <= 3; ++key) {
            watch.sent(key, std::int64_t(key) * Period);
            watch.frame(std::int64_t(key + 1) * Period);
        }
        watch.reported(2);
        const std::vector<ShowingWatch::Unreported> overdue = watch.overdue(4 * Period);
        QCOMPARE(overdue.size(), std::size_t(1));
        QCOMPARE(overdue[0].key, std::uint64_t(1));
        const std::vector<ShowingWatch::Unreported> rest = watch.takeAll();
        QCOMPARE(rest.size(), std::size_t(1));
        QCOMPARE(rest[0].key, std::uint64_t(3));
    }
};

QTEST_GUILESS_MAIN(ShowingWatchTest)
#include "tst_showingwatch.moc"
