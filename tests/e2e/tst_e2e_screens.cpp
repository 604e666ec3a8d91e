// Runs on an X server of two monitors side by side, LEFT and RIGHT, 1280x720 each (see
// two-monitors.sh).
#include "desktop.h"
#include "flashimage.h"
#include "steplog.h"
#include "testsupport.h"

#include <QApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QSize monitor(1280, 720);
const QRect leftMonitor(QPoint(0, 0), monitor);
const QRect rightMonitor(QPoint(1280, 0), monitor);

QPoint startButton(const RunningProgram& program) {
    return startButtonOf(program.mainWindowGeometry().topLeft());
}

// Red to blue, or blue to red, over the whole of this monitor.
bool showsWholeGradient(const QImage& shot, const QRect& area) {
    const QImage shown = shot.copy(area);
    return shown == paintedGradient(monitor, red, blue, false) ||
           shown == paintedGradient(monitor, blue, red, false);
}

void storeRedBlueCycle() {
    storeGradientCycle({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}, 1500, false);
}

QString xrandrMonitors() {
    QProcess xrandr;
    xrandr.start("xrandr", {"--listmonitors"});
    xrandr.waitForFinished();
    return QString::fromLocal8Bit(xrandr.readAllStandardOutput());
}

// A step of the red and blue cycle on one monitor with the marker's square: red to blue on odd
// steps, the square white, blue to red on even ones, the square black.
QImage markedStep(bool odd, const QRect& square) {
    QImage step = odd ? paintedGradient(monitor, red, blue, false)
                      : paintedGradient(monitor, blue, red, false);
    QPainter(&step).fillRect(square, odd ? Qt::white : Qt::black);
    return step;
}

} // namespace

class ScreensEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void serverHasTwoMonitors() { QCOMPARE(screenshot().size(), QSize(2560, 720)); }

    void allScreensShowTheirOwnGradientUntilEscape() {
        storeRedBlueCycle();
        RunningProgram program;
        program.setArguments({"--start", "--all-screens"});
        QVERIFY(program.start());
        // Red to blue on both at once: each monitor's right edge blue, its left edge near red.
        const int y = 400;
        const QImage shot = waitForScreen([&](const QImage& shot) {
            return QColor(shot.pixel(1279, y)) == blue && QColor(shot.pixel(2559, y)) == blue;
        });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, "two-screen-flash");
        for (int left : {0, 1280}) {
            QCOMPARE(QColor(shot.pixel(left + 1279, y)), blue);
            QCOMPARE(QColor(shot.pixel(left, y)), QColor(shot.pixel(0, y)));
            QVERIFY2(QColor(shot.pixel(left, y)).red() > 250, "no full gradient on a monitor");
            // The strip next to the right edge is one step from blue.
            QCOMPARE(QColor(shot.pixel(left + 1279 - 5, y)).blue(), 255);
        }
        QCOMPARE(shot.copy(leftMonitor).copy(0, 30, 1280, 690),
                 shot.copy(rightMonitor).copy(0, 30, 1280, 690));
        // Typed on the right, hidden on both; then each monitor is the painter's whole gradient.
        xdotool({"mousemove", "1900", "400"});
        xdotool({"key", "h", "i", "d", "e"});
        const QImage hidden = waitForScreen([](const QImage& shot) {
            return showsWholeGradient(shot, leftMonitor) && showsWholeGradient(shot, rightMonitor);
        });
        QVERIFY(!hidden.isNull());
        saveForLooking(hidden, "two-screen-flash-hint-hidden");
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({2500, 700}), QColor(Qt::black), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({5, 5}), QColor(Qt::black), 10000);
        QCOMPARE(program.closeMainWindow(), 0);
    }

    // Each screen has the marker in its own corner at its size, alternating with the steps,
    // under the lock and on the timer path.
    void eachScreenHasItsMarker_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QRect>("square");
        QTest::newRow("timer, bottom-right") << QStringList{"--marker"} << QRect(1232, 672, 48, 48);
        QTest::newRow("lock, top-left")
            << QStringList{"--frames", "60", "--marker", "top-left:30"} << QRect(0, 0, 30, 30);
    }
    void eachScreenHasItsMarker() {
        QFETCH(QStringList, arguments);
        QFETCH(QRect, square);
        storeGradientCycle({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}, 1000, false);
        RunningProgram program;
        program.setArguments(QStringList{"--start", "--all-screens"} + arguments);
        QVERIFY(program.start());
        xdotool({"mousemove", "1900", "400"});
        xdotool({"key", "h", "i", "d", "e"});
        QImage shot;
        for (const bool odd : {true, false, true}) {
            const QImage expected = markedStep(odd, square);
            shot = waitForScreen([&](const QImage& shot) {
                return shot.copy(leftMonitor) == expected && shot.copy(rightMonitor) == expected;
            });
            QVERIFY2(!shot.isNull(), odd ? "no odd step with a white marker on both screens"
                                         : "no even step with a black marker on both screens");
        }
        saveForLooking(shot, "two-screen-marker-" + QString::number(square.width()));
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({2500, 400}), QColor(Qt::black), 10000);
        QCOMPARE(program.closeMainWindow(), 0);
    }

    // Held to the refreshes, each screen's rows come as its own display reports them, and each
    // screen's line at the close counts its own.
    void eachScreenSumsUpItsOwnRows() {
        storeSolidCycle({"RGB(60, 60, 60)", "RGB(62, 62, 62)"}, 1000);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        RunningProgram program;
        program.setArguments(
            {"--start", "--all-screens", "--frames", "2", "--duration", "2", "--log", log});
        QVERIFY(program.start());
        const auto lineOf = [](const QString& screen) {
            return QRegularExpression("flash on " + screen + ": (\\d+) steps[^\n]*\n");
        };
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT((said += program.output()).contains(lineOf("LEFT")) &&
                                     said.contains(lineOf("RIGHT")),
                                 30000);
        const QList<LogRow> rows = readStepLog(log);
        for (const QString screen : {"LEFT", "RIGHT"}) {
            const QRegularExpressionMatch told = lineOf(screen).match(said);
            const QRegularExpressionMatch unconfirmed =
                QRegularExpression(", (\\d+) unconfirmed").match(told.captured(0));
            const qsizetype written = std::count_if(
                rows.begin(), rows.end(), [&](const LogRow& row) { return row.screen == screen; });
            QVERIFY2(written >= 20, qPrintable(said));
            QCOMPARE(told.captured(1).toInt() + unconfirmed.captured(1).toInt(), written);
        }
        QCOMPARE(program.closeMainWindow(), 0);
    }

    // A screen chosen by name is looked for at each Start: unplugged, the flash goes to the main
    // window's screen (told once); plugged back, to it again.
    void aScreenChosenByNameIsFoundAtEachStart() {
        resetStore({{"Colors", "RGB(0, 0, 255)" + StoredSeparator}, {"Text1", "500"}});
        RunningProgram program;
        program.setArguments({"--screen", "RIGHT"});
        QVERIFY(program.start());
        const QPoint onLeft(640, 700);
        const QPoint onRight(1920, 700);
        const auto flashOnce = [&](QPoint flashed, QPoint dark) {
            clickAt(startButton(program));
            QTRY_COMPARE_WITH_TIMEOUT(pixelAt(flashed), blue, 10000);
            QCOMPARE(pixelAt(dark), QColor(Qt::black));
            xdotool({"key", "Escape"});
            QTRY_COMPARE_WITH_TIMEOUT(pixelAt(flashed), QColor(Qt::black), 10000);
        };
        flashOnce(onRight, onLeft);
        QCOMPARE(QProcess::execute("xrandr", {"--delmonitor", "RIGHT"}), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!xrandrMonitors().contains("RIGHT"), 5000);
        // Qt hears of the change on its own; the flash follows what it knows at Start.
        QTest::qWait(500);
        flashOnce(onLeft, {2500, 700});
        flashOnce(onLeft, {2500, 700});
        QCOMPARE(QProcess::execute("xrandr",
                                   {"--setmonitor", "RIGHT", "1280/339x720/191+1280+0", "none"}),
                 0);
        QTRY_VERIFY_WITH_TIMEOUT(xrandrMonitors().contains("RIGHT"), 5000);
        QTest::qWait(500);
        flashOnce(onRight, onLeft);
        QCOMPARE(program.closeMainWindow(), 0);
        const QString said = program.output();
        QCOMPARE(said.count("the screen RIGHT is not there; flashing on the main window's screen"),
                 1);
    }

    void startMenuOpensOnAllScreens() {
        storeRedBlueCycle();
        RunningProgram program;
        QVERIFY(program.start());
        const QImage before = screenshot();
        xdotool({"mousemove", QString::number(startButton(program).x()),
                 QString::number(startButton(program).y())});
        xdotool({"click", "3"});
        // The menu drops below the pointer, or rises above it where the screen ends too soon.
        const QPoint below = startButton(program) + QPoint(40, 30);
        const QPoint above = startButton(program) + QPoint(40, -30);
        const QImage menu = waitForScreen([&](const QImage& shot) {
            return shot.pixel(below) != before.pixel(below) ||
                   shot.pixel(above) != before.pixel(above);
        });
        QVERIFY(!menu.isNull());
        saveForLooking(menu.copy(program.mainWindowGeometry().adjusted(-20, -20, 300, 200)),
                       "start-menu");
        // The second entry is "Start on All Screens".
        xdotool({"key", "Down", "Down", "Return"});
        QVERIFY(!waitForScreen([](const QImage& shot) {
                     return QColor(shot.pixel(1279, 400)) == blue &&
                            QColor(shot.pixel(2559, 400)) == blue;
                 }).isNull());
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({2500, 700}), QColor(Qt::black), 10000);
        QCOMPARE(program.closeMainWindow(), 0);
    }
};

CHROMAFLICK_TEST_MAIN(ScreensEndToEnd)
#include "tst_e2e_screens.moc"
