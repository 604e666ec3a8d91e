#include "desktop.h"
#include "flashimage.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QtTest>
#include <csignal>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QSize screenSize(1920, 1080);

QPoint startButton(const RunningProgram& program, qreal scale = 1) {
    return startButtonOf(program.mainWindowGeometry().topLeft(), scale);
}

// Sets a keyboard layout of the test's X server for as long as it lives, then the US one again.
class KeyboardLayout {
public:
    explicit KeyboardLayout(const QString& layout)
        : set_(QProcess::execute("setxkbmap", {"-layout", layout}) == 0) {}
    ~KeyboardLayout() { QProcess::execute("setxkbmap", {"-layout", "us"}); }
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;
    bool isSet() const { return set_; }

private:
    bool set_;
};

} // namespace

class FlashEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void gradientCycleShowsThePaintersPixels() {
        storeGradientCycle({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}, 2000, false);
        RunningProgram program;
        QVERIFY(program.start());
        clickAt(startButton(program));
        const int y = 540;
        // Red to blue is the first step and every second one after it.
        const QImage shot =
            waitForScreen([&](const QImage& shot) { return QColor(shot.pixel(1919, y)) == blue; });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, "flash-gradient");
        QCOMPARE(shot.size(), QSize(1920, 1080));
        // Red at the left, blue at the right: 275 strips 7 pixels thick laid from the right.
        QCOMPARE(QColor(shot.pixel(1919, y)), QColor(0, 0, 255));
        QCOMPARE(QColor(shot.pixel(1906, y)), QColor(0, 0, 255));
        QCOMPARE(QColor(shot.pixel(1905, y)), QColor(1, 0, 254));
        QCOMPARE(QColor(shot.pixel(1899, y)), QColor(1, 0, 254));
        QCOMPARE(QColor(shot.pixel(0, y)), QColor(254, 0, 1));
        QCOMPARE(QColor(shot.pixel(1, 1079)), QColor(254, 0, 1));
        QVERIFY(hintShows(shot));
        QCOMPARE(program.endWith(SIGTERM), 0);
    }

    void solidCycleShowsTheColorsInOrderUntilEscape() {
        const int delay = 1000;
        storeSolidCycle({"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"}, delay);
        RunningProgram program;
        QVERIFY(program.start());
        QElapsedTimer sinceStart;
        sinceStart.start();
        clickAt(startButton(program));
        // One pixel at a time is fast enough to see every color of the cycle.
        QList<QColor> seen;
        const auto cycleSeen = [&] {
            const qsizetype first = seen.indexOf(red);
            return first >= 0 && seen.size() >= first + 4;
        };
        const QDeadlineTimer deadline(30000);
        while (!cycleSeen() && !deadline.hasExpired()) {
            const QColor color = pixelAt({960, 700});
            if (seen.isEmpty() || seen.last() != color)
                seen << color;
            QTest::qSleep(5);
        }
        // The main window and the flash's plain face come first; then the list in order, the
        // last color held over the rewind tick.
        const int first = int(seen.indexOf(red));
        QVERIFY(first >= 1);
        QCOMPARE(seen.mid(first, 4), (QList<QColor>{red, green, blue, red}));

        QVERIFY(hintShows(screenshot()));
        xdotool({"key", "h", "i", "d", "e"});
        QTRY_VERIFY_WITH_TIMEOUT(!hintShows(screenshot()), 10000);
        // The hint goes by itself at the 16th tick; before it only "hide" can have hidden it.
        QVERIFY2(sinceStart.elapsed() < 15 * delay, "too slow to tell typing from the tick count");
        saveForLooking(screenshot(), "flash-solid-hint-hidden");

        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({100, 100}), QColor(Qt::black), 10000);
        const QImage shot = screenshot();
        saveForLooking(shot, "after-escape");
        const QRect main = program.mainWindowGeometry();
        QCOMPARE(QColor(shot.pixel(main.left() + 3, main.top() + 3)), QColor(Qt::white));
        QCOMPARE(program.closeMainWindow(), 0);
    }

    void typedHideHidesTheHint_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("US layout") << "us" << QStringList{"h", "i", "d", "e"};
        // The keys H I D E with the Russian layout active.
        QTest::newRow("Russian layout")
            << "us,ru" << QStringList{"Cyrillic_er", "Cyrillic_sha", "Cyrillic_ve", "Cyrillic_u"};
    }
    void typedHideHidesTheHint() {
        QFETCH(QString, layout);
        QFETCH(QStringList, keys);
        const KeyboardLayout keyboard(layout);
        QVERIFY(keyboard.isSet());
        const int delay = 1000;
        storeSolidCycle({"RGB(0, 0, 255)"}, delay);
        RunningProgram program;
        QVERIFY(program.start());
        QElapsedTimer sinceStart;
        sinceStart.start();
        clickAt(startButton(program));
        QVERIFY(!waitForScreen([](const QImage& shot) {
                     return QColor(shot.pixel(960, 540)) == blue && hintShows(shot);
                 }).isNull());
        xdotool(QStringList{"key"} + keys);
        QTRY_VERIFY_WITH_TIMEOUT(!hintShows(screenshot()), 10000);
        QVERIFY2(sinceStart.elapsed() < 15 * delay, "too slow to tell typing from the tick count");
        QCOMPARE(pixelAt({960, 540}), blue);
        QCOMPARE(program.closeMainWindow(), 0);
    }

    // Paused, the list's first color, three steps on and two back: each shows exactly.
    void handStepsShowTheirPixels_data() {
        QTest::addColumn<bool>("gradient");
        QTest::addColumn<QList<QColor>>("colors");
        QTest::newRow("solid") << false << QList<QColor>{red, green, blue, QColor(255, 255, 0)};
        QTest::newRow("gradient") << true << QList<QColor>{red, green, blue};
    }
    void handStepsShowTheirPixels() {
        QFETCH(bool, gradient);
        QFETCH(QList<QColor>, colors);
        QStringList entries;
        for (const QColor& color : colors)
            entries << QStringLiteral("RGB(%1, %2, %3)")
                           .arg(color.red())
                           .arg(color.green())
                           .arg(color.blue());
        if (gradient)
            storeGradientCycle(entries, 3000, false);
        else
            storeSolidCycle(entries, 3000);
        RunningProgram program;
        QVERIFY(program.start());
        clickAt(startButton(program));
        QVERIFY(!waitForScreen([&](const QImage& shot) {
                     return colors.contains(QColor(shot.pixel(1919, 540)));
                 }).isNull());
        xdotool({"key", "h", "i", "d", "e"});
        QVERIFY(!waitForScreen([](const QImage& shot) { return !hintShows(shot); }).isNull());
        xdotool({"key", "space", "Home"});

        // The readout's line at the bottom left is left out of the comparison; the rest of the
        // screen is the step's.
        const QRect aboveReadout(0, 0, screenSize.width(), screenSize.height() - 60);
        const qsizetype n = colors.size();
        const auto expectedAt = [&](qsizetype position) {
            const QColor& first = colors[position % n];
            return gradient ? paintedGradient(screenSize, first, colors[(position + 1) % n], false)
                            : solidScreen(screenSize, first);
        };
        const QList<QPair<QString, qsizetype>> steps{{"Home", 0},  {"Right", 1}, {"Right", 2},
                                                     {"Right", 3}, {"Left", 2},  {"Left", 1}};
        QImage shot;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (i > 0)
                xdotool({"key", steps[i].first});
            const QImage expected = expectedAt(steps[i].second).copy(aboveReadout);
            shot = waitForScreen([&](const QImage& shown) {
                return differences(shown.copy(aboveReadout), expected).isEmpty();
            });
            QVERIFY2(!shot.isNull(),
                     qPrintable(QStringLiteral("step %1 (%2): %3")
                                    .arg(i + 1)
                                    .arg(steps[i].first,
                                         differences(screenshot().copy(aboveReadout), expected))));
        }
        // The readout is there, on a plate of its own over the step.
        const QImage corner = shot.copy(0, screenSize.height() - 10, 200, 10);
        QVERIFY(corner != expectedAt(1).copy(0, screenSize.height() - 10, 200, 10));
        saveForLooking(shot, gradient ? "paused-readout-gradient" : "paused-readout-solid");

        // Resuming goes on from the step shown: the one after it comes first, and stays for a
        // delay long enough to be seen.
        xdotool({"key", "space"});
        const QImage expected = expectedAt(2).copy(aboveReadout);
        QVERIFY(!waitForScreen([&](const QImage& shown) {
                     return differences(shown.copy(aboveReadout), expected).isEmpty();
                 }).isNull());
        QCOMPARE(program.closeMainWindow(), 0);
    }

    void everyDevicePixelIsPainted_data() {
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QString>("mode");
        for (qreal scale : {1.0, 1.25, 1.5, 1.75, 2.0})
            for (const char* mode : {"left to right", "up and down", "solid"})
                QTest::addRow("%g, %s", scale, mode) << scale << QString::fromLatin1(mode);
    }
    void everyDevicePixelIsPainted() {
        QFETCH(qreal, scale);
        QFETCH(QString, mode);
        const bool solid = mode == "solid";
        const bool vertical = mode == "up and down";
        const QStringList entries{"RGB(255, 0, 0)", "RGB(0, 0, 255)"};
        if (solid)
            storeSolidCycle(entries, 1000);
        else
            storeGradientCycle(entries, 1000, vertical);
        RunningProgram program;
        program.setEnvironment("QT_SCALE_FACTOR", QString::number(scale));
        QVERIFY(program.start());
        clickAt(startButton(program, scale));
        // Near the bottom-right corner every step shows one of the two colors.
        QVERIFY(!waitForScreen([](const QImage& shot) {
                     const QColor corner(shot.pixel(1910, 1075));
                     return corner == red || corner == blue;
                 }).isNull());
        xdotool({"key", "h", "i", "d", "e"});
        const QImage shot =
            waitForScreen([&](const QImage& shot) { return !hintShows(shot, scale); });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, QStringLiteral("flash-scale-%1-%2").arg(scale).arg(mode));
        QCOMPARE(shot.size(), screenSize);
        // Red and blue take turns, so the screen shows one of two steps.
        const QImage expected[] = {
            solid ? solidScreen(screenSize, red) : paintedGradient(screenSize, red, blue, vertical),
            solid ? solidScreen(screenSize, blue)
                  : paintedGradient(screenSize, blue, red, vertical),
        };
        const QString againstFirst = differences(shot, expected[0]);
        const QString againstSecond = differences(shot, expected[1]);
        QVERIFY2(againstFirst.isEmpty() || againstSecond.isEmpty(),
                 qPrintable(againstFirst + "\nor else " + againstSecond));
        QCOMPARE(program.closeMainWindow(), 0);
    }
};

CHROMAFLICK_TEST_MAIN(FlashEndToEnd)
#include "tst_e2e_flash.moc"
