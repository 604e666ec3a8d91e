#include "core/chartsvg.h"
#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"
#include "coretest.h"
#include "madeuplog.h"

#include <QXmlStreamReader>
#include <QtTest>
#include <map>

Q_DECLARE_METATYPE(StepShown)
Q_DECLARE_METATYPE(MadeUpRun)

namespace {

// The figures of a screen a test expects, microseconds within a microsecond.
struct Expected {
    qsizetype steps = 0;
    qsizetype late = 0;
    std::int64_t missed = 0;
    qsizetype skipped = 0;
    qsizetype unreported = 0;
    double hz = 0; // 0: not measured
    int samples = 0;
    double p50Us = 0;
    double p99Us = 0;
    double maxUs = 0;
};

struct SvgElement {
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    int panel = -1;
    double number(const char* attribute) const {
        return attributes.value(QLatin1String(attribute)).toDouble();
    }
};

std::vector<SvgElement> svgElements(const QByteArray& svg) {
    std::vector<SvgElement> elements;
    QXmlStreamReader reader(svg);
    int panel = -1;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"g") {
            ++panel;
            continue;
        }
        SvgElement element{reader.name().toString(), reader.attributes(), {}, panel};
        if (element.name == u"text")
            element.text = reader.readElementText();
        elements.push_back(std::move(element));
    }
    if (reader.hasError())
        qWarning() << "not well-formed:" << reader.errorString();
    return elements;
}

// The value at a coordinate, from the axis's own ticks: a line through the first and the last.
double onAxis(const std::vector<SvgElement>& elements, int panel, const QString& tick,
              const char* coordinate, double at) {
    const SvgElement* first = nullptr;
    const SvgElement* last = nullptr;
    for (const SvgElement& element : elements) {
        if (element.panel != panel || element.attributes.value("class") != tick)
            continue;
        if (!first)
            first = &element;
        last = &element;
    }
    if (!first || first == last)
        return qQNaN();
    const double a = first->number(coordinate);
    const double b = last->number(coordinate);
    const double va = first->number("data-value");
    const double vb = last->number("data-value");
    return va + (at - a) / (b - a) * (vb - va);
}

std::vector<const SvgElement*> ofClass(const std::vector<SvgElement>& elements, int panel,
                                       const QString& role) {
    std::vector<const SvgElement*> found;
    for (const SvgElement& element : elements) {
        if (element.panel == panel && element.attributes.value("class") == role)
            found.push_back(&element);
    }
    return found;
}

} // namespace

class TimingReportTest : public QObject {
    Q_OBJECT
private slots:
    void readsRows_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<StepShown>("expected");
        QTest::addColumn<int>("showing");
        StepShown gradient;
        gradient.step = 12;
        gradient.screen = QStringLiteral("DP-2");
        gradient.firstColor = rgb(0xff, 0x80, 0x00);
        gradient.secondColor = rgb(0x00, 0x00, 0xff);
        gradient.targetMsc = 1000;
        gradient.shownMsc = 1003;
        gradient.shownUs = 9876543210;
        gradient.missed = 3;
        QTest::newRow("late gradient")
            << QByteArray("12,DP-2,#ff8000,#0000ff,1000,1003,9876543210,3") << gradient
            << int(LoggedStep::Showing::Shown);
        StepShown timer;
        timer.step = 1;
        timer.screen = QStringLiteral("screen, \"left\"");
        timer.firstColor = rgb(1, 2, 3);
        timer.shownUs = 5;
        QTest::newRow("quoted name, no counters, CRLF")
            << QByteArray("1,\"screen, \"\"left\"\"\",#010203,,,,5,0\r") << timer
            << int(LoggedStep::Showing::Shown);
        StepShown skipped = gradient;
        skipped.shownMsc.reset();
        skipped.missed = 0;
        skipped.skipped = true;
        QTest::newRow("skipped") << QByteArray("12,DP-2,#FF8000,#0000ff,1000,,9876543210,skipped")
                                 << skipped << int(LoggedStep::Showing::Skipped);
        StepShown unreported = gradient;
        unreported.missed = 0;
        QTest::newRow("never reported")
            << QByteArray("12,DP-2,#ff8000,#0000ff,1000,1003,9876543210,missed") << unreported
            << int(LoggedStep::Showing::Unreported);
        StepShown cutOff = unreported;
        cutOff.shownMsc.reset();
        cutOff.shownUs = 0;
        QTest::newRow("on its way at the close, no time")
            << QByteArray("12,DP-2,#ff8000,#0000ff,1000,,,missed") << cutOff
            << int(LoggedStep::Showing::Unreported);
    }
    void readsRows() {
        QFETCH(QByteArray, line);
        QFETCH(StepShown, expected);
        QFETCH(int, showing);
        const FrameLogReading reading =
            readFrameLog(QByteArray(FrameLogHeader) + "\r\n" + line + "\n");
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.steps.size(), std::size_t(1));
        const LoggedStep& row = reading.steps.front();
        QCOMPARE(int(row.showing), showing);
        QCOMPARE(row.shown.step, expected.step);
        QCOMPARE(row.shown.screen, expected.screen);
        QCOMPARE(row.shown.firstColor, expected.firstColor);
        QCOMPARE(row.shown.secondColor, expected.secondColor);
        QCOMPARE(row.shown.targetMsc, expected.targetMsc);
        QCOMPARE(row.shown.shownMsc, expected.shownMsc);
        QCOMPARE(row.shown.shownUs, expected.shownUs);
        QCOMPARE(row.shown.missed, expected.missed);
        QCOMPARE(row.shown.skipped, expected.skipped);
        // What the program writes reads back as it was.
        if (row.showing == LoggedStep::Showing::Shown)
            QCOMPARE(
                readFrameLog(QByteArray(FrameLogHeader) + '\n' + frameLogRow(row.shown).toUtf8())
                    .steps.front()
                    .shown.screen,
                expected.screen);
    }

    void refusesBadLogs_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("problem");
        const QByteArray header = QByteArray(FrameLogHeader) + '\n';
        const QByteArray good = "1,s,#000000,,10,10,100,0\n";
        QTest::newRow("empty") << QByteArray() << 1 << "the file is empty, not a step log";
        QTest::newRow("another CSV") << QByteArray("step,screen,first\n1,s,#000000\n") << 1
                                     << "not the header of a step log: 'step,screen,first'";
        QTest::newRow("a field short") << header + good + "2,s,#000000,,12,12,200\n"
                                       << 3 << "7 fields where the log has 8";
        QTest::newRow("a blank line")
            << header + good + "\n" + good << 3 << "1 fields where the log has 8";
        QTest::newRow("step 0") << header + "0,s,#000000,,10,10,100,0\n"
                                << 2 << "the step '0' is no whole number from 1";
        QTest::newRow("color short") << header + good + good + "3,s,#00000,,10,10,100,0\n"
                                     << 4 << "the first color '#00000' is no #rrggbb";
        QTest::newRow("second color named")
            << header + "1,s,#000000,red,10,10,100,0\n"
            << 2 << "the second color 'red' is neither empty nor #rrggbb";
        QTest::newRow("negative counter")
            << header + "1,s,#000000,,-10,10,100,0\n"
            << 2 << "the refresh counter '-10' is neither empty nor a whole number";
        QTest::newRow("no time") << header + "1,s,#000000,,10,10,,0\n"
                                 << 2 << "the time '' is no whole number of microseconds";
        QTest::newRow("missed in words") << header + "1,s,#000000,,10,10,100,late\n"
                                         << 2
                                         << "missed is 'late', not a count of refreshes, "
                                            "skipped or missed";
        QTest::newRow("no rows lost")
            << header + "3,s,,,,,,lost 0\n"
            << 2 << "the count of rows lost '0' is no whole number from 1";
        QTest::newRow("rows lost with a color")
            << header + "3,s,#000000,,,,,lost 2\n"
            << 2 << "a line of rows lost has '#000000' in field 3, which it leaves empty";
        QTest::newRow("quote left open") << header + "1,\"s,#000000,,10,10,100,0\n"
                                         << 2 << "a quote is not closed or stands inside a field";
        QTest::newRow("quote inside a field")
            << header + "1,s\"t,#000000,,10,10,100,0\n"
            << 2 << "a quote is not closed or stands inside a field";
    }
    // The line a full disk leaves reads as what it says, and no interval reaches across it.
    void rowsLostAreReadAndNoIntervalSpansThem() {
        const QByteArray log = QByteArray(FrameLogHeader) +
                               "\n1,\"s,1\",#000000,,,,1000,0\n"
                               "2,\"s,1\",#000000,,,,2000,0\n" +
                               frameLogLostRow(3, "s,1", 5).toUtf8() +
                               "\n8,\"s,1\",#000000,,,,8000,0\n9,\"s,1\",#000000,,,,9000,0\n";
        const FrameLogReading reading = readFrameLog(log);
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.steps.size(), std::size_t(5));
        const LoggedStep& lost = reading.steps[2];
        QCOMPARE(int(lost.showing), int(LoggedStep::Showing::Lost));
        QCOMPARE(lost.shown.step, 3);
        QCOMPARE(lost.shown.screen, "s,1");
        QCOMPARE(lost.lostRows, std::int64_t(5));
        const std::vector<ScreenTiming> screens = measureStepTiming(reading.steps);
        QCOMPARE(screens.size(), std::size_t(1));
        QCOMPARE(screens[0].steps, qsizetype(4));
        QCOMPARE(screens[0].intervals.size(), std::size_t(2));
        for (const StepInterval& interval : screens[0].intervals)
            QCOMPARE(interval.us, std::int64_t(1000));
    }

    void refusesBadLogs() {
        QFETCH(QByteArray, log);
        QFETCH(int, line);
        QFETCH(QString, problem);
        const FrameLogReading reading = readFrameLog(log);
        QCOMPARE(reading.badLine, qsizetype(line));
        QCOMPARE(reading.problem, problem);
        QVERIFY(reading.steps.empty());
    }

    void figures_data() {
        QTest::addColumn<QList<MadeUpRun>>("runs");
        QTest::addColumn<QList<Expected>>("expected");
        const double period = 1e6 / 60;
        MadeUpRun onTime;
        QTest::newRow("on time") << QList<MadeUpRun>{onTime}
                                 << QList<Expected>{{600, 0, 0, 0, 0, 60, 599, 0, 0, 0}};
        MadeUpRun stall;
        stall.lateBy = {{300, 12}};
        QTest::newRow("one stall")
            << QList<MadeUpRun>{stall}
            << QList<Expected>{{600, 1, 12, 0, 0, 60, 599, 0, 0, 12 * period}};
        MadeUpRun skips;
        skips.skipped = {100, 200, 201};
        QTest::newRow("skipped steps")
            << QList<MadeUpRun>{skips} << QList<Expected>{{600, 0, 0, 3, 0, 60, 596, 0, 0, 0}};
        MadeUpRun left;
        left.screen = QStringLiteral("DP-1");
        left.steps = 300;
        left.unreported = {7};
        MadeUpRun right;
        right.screen = QStringLiteral("DP-2");
        right.steps = 300;
        right.hz = 75;
        right.hold = 3;
        right.lateBy = {{10, 1}, {20, 2}, {30, 1}};
        QTest::newRow("two screens")
            << QList<MadeUpRun>{left, right}
            << QList<Expected>{{300, 0, 0, 0, 1, 60, 298, 0, 0, 0},
                               {300, 3, 4, 0, 0, 75, 299, 0, 1e6 / 75, 2e6 / 75}};
        // One step in 75 a refresh late: more than 1 %, so the 99th percentile tells it.
        MadeUpRun many;
        many.steps = 30000;
        many.hz = 144;
        for (int step = 75; step <= many.steps; step += 75)
            many.lateBy[step] = 1;
        QTest::newRow("30000 rows")
            << QList<MadeUpRun>{many}
            << QList<Expected>{{30000, 400, 400, 0, 0, 144, 29999, 0, 1e6 / 144, 1e6 / 144}};
        MadeUpRun timer;
        timer.counters = false;
        timer.steps = 10;
        QTest::newRow("timer, no counters")
            << QList<MadeUpRun>{timer} << QList<Expected>{{10, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
    }
    void figures() {
        QFETCH(QList<MadeUpRun>, runs);
        QFETCH(QList<Expected>, expected);
        const FrameLogReading log = readFrameLog(madeUpLog(runs));
        QCOMPARE(log.problem, QString());
        const std::vector<ScreenTiming> screens = measureStepTiming(log.steps);
        QCOMPARE(screens.size(), std::size_t(expected.size()));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const ScreenTiming& timing = screens[std::size_t(i)];
            const Expected& want = expected[i];
            QCOMPARE(timing.screen, runs[i].screen);
            QCOMPARE(timing.steps, want.steps);
            QCOMPARE(timing.late, want.late);
            QCOMPARE(timing.refreshesMissed, want.missed);
            QCOMPARE(timing.skipped, want.skipped);
            QCOMPARE(timing.unreported, want.unreported);
            QCOMPARE(timing.rate.samples(), want.samples);
            QVERIFY2(std::abs(timing.rate.hz() - want.hz) < 0.005,
                     qPrintable(QString::number(timing.rate.hz())));
            QVERIFY2(std::abs(timing.deviationP50Us - want.p50Us) <= 1,
                     qPrintable(QString::number(timing.deviationP50Us)));
            QVERIFY2(std::abs(timing.deviationP99Us - want.p99Us) <= 1,
                     qPrintable(QString::number(timing.deviationP99Us)));
            QVERIFY2(std::abs(timing.deviationMaxUs - want.maxUs) <= 1,
                     qPrintable(QString::number(timing.deviationMaxUs)));
        }
    }

    // Without counters the median stands for the plan: one step a third longer stands out.
    void planWithoutCounters() {
        QByteArray log = QByteArray(FrameLogHeader) + '\n';
        const QList<int> gaps{100000, 100000, 103000, 100000, 99000, 100000};
        qint64 us = 1000000;
        for (int step = 1; step <= gaps.size() + 1; ++step) {
            log += QByteArray::number(step) + ",s,#000000,,,," + QByteArray::number(us) + ",0\n";
            us += gaps.value(step - 1);
        }
        const std::vector<ScreenTiming> screens = measureStepTiming(readFrameLog(log).steps);
        QCOMPARE(screens.front().medianUs, 100000.0);
        QCOMPARE(screens.front().deviationP50Us, 0.0);
        QCOMPARE(screens.front().deviationMaxUs, 3000.0);
        QCOMPARE(screens.front().plannedFromCounters, qsizetype(0));
    }

    // A second opening starts at step 1 again: the gap between the openings is no interval.
    void openingsApart() {
        MadeUpRun run;
        run.steps = 50;
        QByteArray log = madeUpLog({run});
        run.firstMsc = 90000;
        const QByteArray later = madeUpLog({run});
        log += later.mid(later.indexOf('\n') + 1);
        const FrameLogReading reading = readFrameLog(log);
        QCOMPARE(reading.problem, QString());
        const ScreenTiming timing = measureStepTiming(reading.steps).front();
        QCOMPARE(timing.steps, qsizetype(100));
        QCOMPARE(timing.intervals.size(), std::size_t(98));
    }

    void spreadOfTheRate() {
        RateMeasure rate;
        rate.add(1, 16000);
        rate.add(1, 17000);
        rate.add(0, 17000); // tells nothing
        QCOMPARE(rate.samples(), 2);
        QVERIFY(std::abs(rate.hz() - 2e6 / 33000) < 1e-9);
        // Of 62.5 Hz and 58.82 Hz.
        QVERIFY(std::abs(rate.deviationHz() - (62.5 - 1e6 / 17000) / std::sqrt(2.0)) < 1e-9);
    }

    // The marks stand where the axes say their steps and intervals are.
    void pictureMarks() {
        MadeUpRun left;
        left.screen = QStringLiteral("DP-1");
        left.lateBy = {{300, 12}};
        left.skipped = {100, 450};
        left.unreported = {500};
        MadeUpRun right;
        right.screen = QStringLiteral("DP-2 <&>");
        right.steps = 200;
        right.lateBy = {{150, 3}};
        const QList<MadeUpRun> runs{left, right};
        const std::vector<ScreenTiming> screens =
            measureStepTiming(readFrameLog(madeUpLog(runs)).steps);
        const std::vector<SvgElement> svg = svgElements(chartSvg(timingChart(screens)));
        const double period = 1e6 / 60;
        const std::map<int, double> lateIntervalMs{{0, 14 * period / 1000}, {1, 5 * period / 1000}};
        const std::map<int, QList<int>> lateSteps{{0, {300}}, {1, {150}}};
        const std::map<int, QList<int>> skippedSteps{{0, {100, 450}}, {1, {}}};
        for (int panel = 0; panel < 2; ++panel) {
            const auto screen = ofClass(svg, panel, QStringLiteral("screen"));
            QCOMPARE(screen.size(), std::size_t(1));
            QVERIFY(screen.front()->text.endsWith(runs[panel].screen));

            const auto late = ofClass(svg, panel, QStringLiteral("late"));
            QCOMPARE(late.size(), std::size_t(lateSteps.at(panel).size()));
            for (const SvgElement* mark : late) {
                const double step =
                    onAxis(svg, panel, QStringLiteral("xtick"), "x1", mark->number("cx"));
                const double ms =
                    onAxis(svg, panel, QStringLiteral("ytick"), "y1", mark->number("cy"));
                QVERIFY2(std::abs(step - lateSteps.at(panel).front()) < 0.1,
                         qPrintable(QString::number(step)));
                QVERIFY2(std::abs(ms - lateIntervalMs.at(panel)) < 0.1,
                         qPrintable(QString::number(ms)));
            }
            QList<int> skipped;
            for (const SvgElement* mark : ofClass(svg, panel, QStringLiteral("skipped")))
                skipped << qRound(
                    onAxis(svg, panel, QStringLiteral("xtick"), "x1", mark->number("x1")));
            QCOMPARE(skipped, skippedSteps.at(panel));
            QCOMPARE(ofClass(svg, panel, QStringLiteral("unreported")).size(),
                     std::size_t(panel == 0 ? 1 : 0));

            // Every interval is in a bin; the tallest at the planned hold.
            double counted = 0;
            const SvgElement* tallest = nullptr;
            for (const SvgElement* bin : ofClass(svg, panel, QStringLiteral("bin"))) {
                counted += bin->number("data-value");
                // A bin of one interval shows as plainly as a mark.
                QVERIFY2(bin->number("width") >= 3,
                         qPrintable(QString::number(bin->number("width"))));
                if (!tallest || bin->number("width") > tallest->number("width"))
                    tallest = bin;
            }
            QCOMPARE(counted, double(screens[std::size_t(panel)].intervals.size()));
            QVERIFY(tallest);
            const double top =
                onAxis(svg, panel, QStringLiteral("ytick"), "y1", tallest->number("y"));
            const double bottom = onAxis(svg, panel, QStringLiteral("ytick"), "y1",
                                         tallest->number("y") + tallest->number("height"));
            QVERIFY2(bottom <= 2 * period / 1000 && 2 * period / 1000 < top,
                     qPrintable(QStringLiteral("%1 to %2").arg(bottom).arg(top)));

            QStringList table;
            for (const SvgElement* figure : ofClass(svg, panel, QStringLiteral("figure")))
                table << figure->text;
            QCOMPARE(table, timingFigures(screens[std::size_t(panel)]));
        }
        const QStringList table = timingFigures(screens.front());
        for (const char* line :
             {"steps: 600", "refresh rate: 60.00 Hz ± 0.00 (596 samples)", "steps late: 1",
              "refreshes missed: 12", "steps skipped: 2", "steps never reported: 1",
              "largest deviation from the plan: 200.000 ms"})
            QVERIFY2(table.contains(QString::fromUtf8(line)), qPrintable(table.join(u'|')));
    }
};

CHROMAFLICK_CORE_TEST_MAIN(TimingReportTest)
#include "tst_timingreport.moc"
