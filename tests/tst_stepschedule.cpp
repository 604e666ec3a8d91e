#include "core/heldrefreshes.h"
#include "core/stepschedule.h"

#include <QtTest>
#include <deque>

namespace {

// A refresh of a 60 Hz screen, as the system reports it too.
constexpr double Period = 16667;
constexpr double ReportedHz = 1e6 / Period;

// One thing that happens to a schedule planned ahead, at a refresh of the display: `at` may fall
// between two refreshes, where the program runs.
struct Planned {
    enum Kind {
        Start,
        Count,
        Send,
        Take,
        Show,
        Restart,
        Room,
        Pace,
        Wake,
        Estimate,
        NewPeriod
    } kind;
    double at = 0;
    std::uint64_t planned = 0; // Send; Wake and Estimate: the refresh expected
    std::uint64_t sent = 0;
    std::int64_t missed = 0;
    bool yes = false;        // Room, Pace; Show: skipped
    std::uint64_t given = 0; // Take: the slot another window of the screen was given
};

// The counter's first value, as the display answers when asked: by default on the refresh.
Planned start(std::uint64_t counter, double answeredAt = -1) {
    return {Planned::Start, answeredAt < 0 ? double(counter) : answeredAt, counter};
}
// Reports of every refresh up to this one, as the display's other events bring them.
Planned countTo(std::uint64_t counter) {
    return {Planned::Count, double(counter)};
}
Planned send(double at, std::uint64_t planned, std::uint64_t sent) {
    return {Planned::Send, at, planned, sent};
}
Planned take(double at, std::uint64_t given, std::uint64_t planned, std::uint64_t sent) {
    return {Planned::Take, at, planned, sent, 0, false, given};
}
// The oldest step sent is reported on this refresh.
Planned show(std::uint64_t counter, std::int64_t missed, bool skipped = false) {
    return {Planned::Show, double(counter), 0, 0, missed, skipped};
}
Planned restart() {
    return {Planned::Restart};
}
Planned room(double at, bool yes) {
    return {Planned::Room, at, 0, 0, 0, yes};
}
Planned pace(double at, bool yes) {
    return {Planned::Pace, at, 0, 0, 0, yes};
}
// From `at`, room comes on this refresh.
Planned wake(double at, std::uint64_t counter) {
    return {Planned::Wake, at, counter};
}
Planned estimate(double at, std::uint64_t counter) {
    return {Planned::Estimate, at, counter};
}
// From this refresh on the screen refreshes this many times slower.
Planned newPeriod(std::uint64_t from, std::uint64_t times) {
    return {Planned::NewPeriod, double(from), times};
}

// Refreshes of a screen whose period may change at a refresh: the time of any moment given in
// refreshes.
class Screen {
public:
    double us(double refresh) const { return fromUs_ + (refresh - from_) * period_; }
    void changePeriod(double from, double times) {
        fromUs_ = us(from);
        from_ = from;
        period_ = Period * times;
    }

private:
    double from_ = 0;
    double fromUs_ = 0;
    double period_ = Period;
};

// One thing that happens to a schedule judged after the fact.
struct Judged {
    enum Kind { Frames, HoldDone, Send, Counted, Timed, Lost, Restart } kind;
    std::uint64_t counter = 0; // Frames: how many
    double at = 0;             // in refreshes of Period
    std::optional<std::uint64_t> target = {};
    std::int64_t missed = 0;
    bool yes = false; // HoldDone; Send: restarted
    double period = Period;
};

Judged frames(std::uint64_t count) {
    return {Judged::Frames, count};
}
Judged holdDone(bool yes) {
    return {Judged::HoldDone, 0, 0, {}, 0, yes};
}
Judged sendStep(bool restarted) {
    return {Judged::Send, 0, 0, {}, 0, restarted};
}
// The oldest step sent is reported on a refresh the display counts.
Judged counted(std::uint64_t counter, std::uint64_t target, std::int64_t missed) {
    return {Judged::Counted, counter, double(counter), target, missed};
}
// The oldest step sent is reported at a time alone, the screen refreshing at the period given.
Judged timed(double at, std::int64_t missed, double period = Period) {
    return {Judged::Timed, 0, at, {}, missed, false, period};
}
// The oldest step sent is never reported.
Judged lost() {
    return {Judged::Lost};
}
Judged restartJudged() {
    return {Judged::Restart};
}

constexpr std::uint64_t Last32 = 0xffffffffu;

} // namespace

Q_DECLARE_METATYPE(std::vector<Planned>)
Q_DECLARE_METATYPE(std::vector<Judged>)

class StepScheduleTest : public QObject {
    Q_OBJECT
private slots:
    void plansStepsAhead_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<std::vector<Planned>>("history");
        QTest::newRow("on time") << 4 << std::vector<Planned>{start(100),
                                                              room(100.2, false),
                                                              send(100.2, 102, 102),
                                                              show(102, 0),
                                                              room(102.2, false),
                                                              wake(102.2, 103),
                                                              room(103.1, true),
                                                              send(103.1, 106, 106),
                                                              show(106, 0),
                                                              send(107.1, 110, 110),
                                                              show(110, 0)};
        QTest::newRow("a picture before the counter's first value goes a few refreshes on")
            << 4 << std::vector<Planned>{room(0, false), start(50), send(50.3, 52, 52)};
        QTest::newRow("the first showing late: the steps are planned from it")
            << 4
            << std::vector<Planned>{start(100), send(100.2, 102, 102), show(109, 7),
                                    send(110.1, 113, 113), show(113, 0)};
        QTest::newRow("hold of one: the first step still has refreshes to be drawn in")
            << 1
            << std::vector<Planned>{start(100),        send(100.2, 102, 102), show(102, 0),
                                    room(102.2, true), send(102.2, 105, 105), room(102.3, false),
                                    room(103.1, true), send(103.1, 106, 106), show(105, 0),
                                    show(106, 0)};
        QTest::newRow("sent late by one: told late, the schedule goes on from its showing")
            << 4 << std::vector<Planned>{start(100),   send(100.2, 102, 102),
                                         show(102, 0), send(103.1, 106, 106),
                                         show(106, 0), send(110.4, 110, 111),
                                         show(111, 1), send(112.1, 115, 115),
                                         show(115, 0)};
        QTest::newRow("a stall of many refreshes") << 4
                                                   << std::vector<Planned>{start(100),
                                                                           send(100.2, 102, 102),
                                                                           show(102, 0),
                                                                           send(103.1, 106, 106),
                                                                           show(106, 0),
                                                                           send(118.5, 110, 119),
                                                                           show(119, 9),
                                                                           room(119.5, false),
                                                                           send(120.2, 123, 123),
                                                                           show(123, 0)};
        QTest::newRow("shown late by the display: the next keeps its slot")
            << 4 << std::vector<Planned>{start(100),   send(100.2, 102, 102),
                                         show(102, 0), send(103.1, 106, 106),
                                         show(108, 2), send(108.1, 110, 110),
                                         show(110, 0)};
        QTest::newRow("skipped") << 4
                                 << std::vector<Planned>{start(100), send(100.2, 102, 102),
                                                         show(102, 0), send(103.1, 106, 106),
                                                         show(106, 0, true)};
        QTest::newRow("restart after a pause") << 4
                                               << std::vector<Planned>{start(100),
                                                                       send(100.2, 102, 102),
                                                                       show(102, 0),
                                                                       send(103.1, 106, 106),
                                                                       show(106, 0),
                                                                       room(140.5, true),
                                                                       restart(),
                                                                       room(140.5, true),
                                                                       send(140.5, 142, 142),
                                                                       show(142, 0),
                                                                       room(142.5, false),
                                                                       send(143.1, 146, 146)};
        QTest::newRow("restart with a step still queued: not before it")
            << 4 << std::vector<Planned>{start(100),   send(100.2, 102, 102),
                                         show(102, 0), send(103.1, 106, 106),
                                         restart(),    send(103.2, 107, 107),
                                         show(106, 0), show(107, 0)};
        QTest::newRow("a hold of ten seconds") << 600 << std::vector<Planned>{start(100),
                                                                              send(100.2, 102, 102),
                                                                              show(102, 0),
                                                                              wake(102.5, 699),
                                                                              room(698.9, false),
                                                                              room(699.1, true),
                                                                              send(699.1, 702, 702),
                                                                              show(702, 0),
                                                                              wake(702.1, 1299)};
        QTest::newRow("a hold of ten seconds, the counter answered between refreshes")
            << 600
            << std::vector<Planned>{start(100, 100.45),   send(100.5, 102, 102), show(102, 0),
                                    wake(102.5, 699),     room(698.9, false),    room(699.1, true),
                                    send(699.1, 702, 702)};
        QTest::newRow("slots shared by another window of the screen, while they are ahead")
            << 2 << std::vector<Planned>{start(100),   send(100.2, 102, 102),
                                         show(102, 0), take(102.5, 105, 105, 105),
                                         show(105, 0), take(105.5, 105, 107, 107),
                                         show(107, 0), take(110.2, 109, 109, 111),
                                         show(111, 2), send(111.2, 113, 113)};
        QTest::newRow("the longest hold")
            << MaxHeldRefreshes
            << std::vector<Planned>{start(100), send(100.2, 102, 102), show(102, 0),
                                    wake(102.5, 102 + MaxHeldRefreshes - 3)};
        QTest::newRow("a screen paced by another falls behind once its slots run a hold ahead")
            << 2
            << std::vector<Planned>{start(100),        pace(100.2, true),     send(100.2, 102, 102),
                                    show(102, 0),      pace(102.2, true),     send(102.2, 105, 105),
                                    pace(102.3, true), send(102.3, 107, 107), pace(102.4, false),
                                    pace(104.1, true)};
        QTest::newRow("the screen's period changes")
            << 2
            << std::vector<Planned>{start(100),        countTo(110),        estimate(110.5, 110),
                                    newPeriod(110, 2), countTo(112),        estimate(112.5, 112),
                                    countTo(120),      estimate(122.5, 122)};
    }
    void plansStepsAhead() {
        QFETCH(int, held);
        QFETCH(std::vector<Planned>, history);
        StepSchedule schedule;
        schedule.begin(held, ReportedHz);
        Screen screen;
        const auto usAt = [&screen](double refresh) { return std::llround(screen.us(refresh)); };
        std::deque<std::uint64_t> planned;
        std::uint64_t counter = 0;
        for (std::size_t i = 0; i < history.size(); ++i) {
            const Planned& next = history[i];
            const QByteArray where = "at " + QByteArray::number(qulonglong(i));
            switch (next.kind) {
            case Planned::Start:
                counter = next.planned;
                schedule.start(counter, usAt(next.at));
                break;
            case Planned::Count:
                while (counter < std::uint64_t(next.at)) {
                    ++counter;
                    schedule.counted(counter, usAt(double(counter)));
                }
                break;
            case Planned::NewPeriod:
                screen.changePeriod(next.at, double(next.planned));
                break;
            case Planned::Send:
            case Planned::Take: {
                const StepSchedule::Slot slot = next.kind == Planned::Take
                                                    ? schedule.takeSlot(next.given, usAt(next.at))
                                                    : schedule.nextSlot(usAt(next.at));
                QVERIFY2(slot.planned == next.planned && slot.sent == next.sent,
                         where + ": " + QByteArray::number(qulonglong(slot.planned)) + "/" +
                             QByteArray::number(qulonglong(slot.sent)));
                planned.push_back(slot.planned);
                break;
            }
            case Planned::Show: {
                QVERIFY2(!planned.empty(), where);
                counter = std::uint64_t(next.at);
                schedule.counted(counter, usAt(next.at));
                const StepShown when =
                    schedule.shownOn(planned.front(), counter, usAt(next.at), next.yes);
                QCOMPARE(when.targetMsc, std::optional(planned.front()));
                QCOMPARE(when.shownMsc, std::optional(counter));
                QVERIFY2(when.missed == next.missed,
                         where + ": missed " + QByteArray::number(qlonglong(when.missed)));
                QCOMPARE(when.skipped, next.yes);
                planned.pop_front();
                break;
            }
            case Planned::Restart:
                schedule.restart();
                break;
            case Planned::Room:
                QVERIFY2(schedule.hasRoom(usAt(next.at)) == next.yes, where);
                break;
            case Planned::Pace:
                QVERIFY2(schedule.keepsPace(usAt(next.at)) == next.yes, where);
                break;
            case Planned::Wake: {
                const std::int64_t wait = schedule.usUntilRoom(usAt(next.at));
                const double expected = screen.us(double(next.planned)) - screen.us(next.at);
                QVERIFY2(std::abs(double(wait) - expected) <= 1,
                         where + ": " + QByteArray::number(qlonglong(wait)) + " us");
                QVERIFY2(!schedule.hasRoom(usAt(next.at + 0.01)), where);
                QVERIFY2(schedule.hasRoom(usAt(next.at) + wait + 1), where);
                break;
            }
            case Planned::Estimate:
                QVERIFY2(
                    schedule.estimatedCounter(usAt(next.at)) == next.planned,
                    where + ": " +
                        QByteArray::number(qulonglong(schedule.estimatedCounter(usAt(next.at)))));
                break;
            }
        }
    }

    void judgesAfterTheFact_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<std::vector<Judged>>("history");
        QTest::newRow("counted: on time, then late")
            << 2 << std::vector<Judged>{holdDone(true),  sendStep(true),      counted(100, 100, 0),
                                        frames(1),       holdDone(false),     frames(1),
                                        holdDone(true),  sendStep(false),     counted(102, 102, 0),
                                        sendStep(false), counted(105, 104, 1)};
        QTest::newRow("a step never reported: no lateness guessed across it")
            << 2 << std::vector<Judged>{sendStep(true),  counted(100, 100, 0),
                                        sendStep(false), sendStep(false),
                                        lost(),          counted(106, 106, 0),
                                        sendStep(false), counted(108, 108, 0)};
        QTest::newRow("no counter: timestamps and period only")
            << 2 << std::vector<Judged>{sendStep(true),  timed(100, 0),   sendStep(false),
                                        timed(102.1, 0), sendStep(false), timed(105, 1)};
        QTest::newRow("no counter, the period doubles")
            << 2 << std::vector<Judged>{sendStep(true),  timed(100, 0),
                                        sendStep(false), timed(104, 0, 2 * Period),
                                        sendStep(false), timed(110, 1, 2 * Period)};
        QTest::newRow("a counter of 32 bits wraps")
            << 2 << std::vector<Judged>{sendStep(true),  counted(Last32, Last32, 0),
                                        sendStep(false), counted(1, 1, 0),
                                        sendStep(false), counted(4, 3, 1)};
        QTest::newRow("a counter of 64 bits goes on past 32")
            << 2
            << std::vector<Judged>{sendStep(true), counted(Last32, Last32, 0), sendStep(false),
                                   counted(Last32 + 4, Last32 + 2, 2)};
        QTest::newRow("restart: on time wherever shown")
            << 4 << std::vector<Judged>{sendStep(true),      counted(100, 100, 0), frames(1),
                                        holdDone(false),     restartJudged(),      holdDone(true),
                                        sendStep(true),      counted(109, 109, 0), sendStep(false),
                                        counted(113, 113, 0)};
    }
    void judgesAfterTheFact() {
        QFETCH(int, held);
        QFETCH(std::vector<Judged>, history);
        StepSchedule schedule;
        schedule.begin(held, ReportedHz);
        std::deque<bool> restarted;
        for (std::size_t i = 0; i < history.size(); ++i) {
            const Judged& next = history[i];
            const QByteArray where = "at " + QByteArray::number(qulonglong(i));
            switch (next.kind) {
            case Judged::Frames:
                for (std::uint64_t frame = 0; frame < next.counter; ++frame)
                    schedule.frame();
                break;
            case Judged::HoldDone:
                QVERIFY2(schedule.holdDone() == next.yes, where);
                break;
            case Judged::Send:
                restarted.push_back(schedule.sent());
                QVERIFY2(restarted.back() == next.yes, where);
                break;
            case Judged::Counted:
            case Judged::Timed: {
                QVERIFY2(!restarted.empty(), where);
                const bool counted = next.kind == Judged::Counted;
                const auto us = std::llround(next.at * Period);
                const StepShown when = schedule.judge(
                    restarted.front(), counted ? std::optional(next.counter) : std::nullopt, us,
                    std::llround(next.period));
                restarted.pop_front();
                QVERIFY2(when.targetMsc == next.target,
                         where + ": target " +
                             QByteArray::number(qulonglong(when.targetMsc.value_or(0))));
                QCOMPARE(when.shownMsc,
                         counted ? std::optional(next.counter) : std::optional<std::uint64_t>());
                QVERIFY2(when.missed == next.missed,
                         where + ": missed " + QByteArray::number(qlonglong(when.missed)));
                QCOMPARE(when.shownUs, us);
                break;
            }
            case Judged::Lost:
                QVERIFY2(!restarted.empty(), where);
                restarted.pop_front();
                schedule.lostTrack();
                break;
            case Judged::Restart:
                schedule.restart();
                break;
            }
        }
    }
};

QTEST_GUILESS_MAIN(StepScheduleTest)
#include "tst_stepschedule.moc"
