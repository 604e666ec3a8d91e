#include "desktop.h"
#include "flashimage.h"
#include "patchpeers.h"
#include "steplog.h"
#include "testsupport.h"
#include "weston.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QSize outputSize(1280, 720);
const QSize clientSize(536, 537);
// Away from the corners, the lines checked and the hint, since screenshots show the pointer.
const QPoint pointerRest(900, 200);

// On weston Qt draws the decoration itself: a border of 3 pixels and a title bar of 30.
QRect clientAreaOf(const QRect& frame) {
    return frame.adjusted(3, 30, -3, -3);
}

// The middle of the close button, the last one at the right end of the title bar (as Qt 6.4
// draws it).
QPoint closeButtonOf(const QRect& frame) {
    return {frame.right() - 16, frame.top() + 15};
}

// A screenshot of the main window alone, fully painted, or a null image.
QImage waitForMainWindow(const Weston& weston) {
    return weston.waitForScreen([](const QImage& shot) {
        return clientAreaOf(Weston::windowIn(shot)).size() == clientSize;
    });
}

struct Line {
    const char* name;
    QRect pixels;
};
const Line checkedLines[] = {
    {"last column", QRect(outputSize.width() - 1, 0, 1, outputSize.height())},
    {"last row", QRect(0, outputSize.height() - 1, outputSize.width(), 1)},
    {"middle row", QRect(0, outputSize.height() / 2, outputSize.width(), 1)},
};

// How the picture's checked lines differ from the expected one's; empty when they match.
QString lineDifferences(const QImage& shown, const QImage& expected) {
    QStringList found;
    for (const Line& line : checkedLines) {
        const QString difference = differences(shown.copy(line.pixels), expected.copy(line.pixels));
        if (!difference.isEmpty())
            found << QStringLiteral("%1: %2").arg(line.name, difference);
    }
    return found.join('\n');
}

bool cornersAre(const QImage& shot, const QColor& color) {
    const int right = outputSize.width() - 1;
    const int bottom = outputSize.height() - 1;
    // The hint's corner is the top-left one.
    for (const QPoint corner : {QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        if (QColor(shot.pixel(corner)) != color)
            return false;
    return true;
}

// The part of the shot where whole rows and columns show the color: a box of it, not the
// list's small swatch of the same color.
QRect areaOf(const QImage& shot, const QColor& color) {
    const int least = 50;
    QRect area;
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        for (int x = 0; x < shot.width(); ++x) {
            run = QColor(shot.pixel(x, y)) == color ? run + 1 : 0;
            if (run >= least)
                area |= QRect(x - least + 1, y, least, 1);
        }
    }
    return area;
}

} // namespace

class WaylandEndToEnd : public QObject {
    Q_OBJECT
private:
    // Starts weston and the program on it; the frame of its main window, or an empty box.
    QRect startProgram(Weston& weston, RunningProgram& program, const QString& shotName = {}) {
        if (!weston.start()) {
            qWarning() << "weston did not start:" << weston.log();
            return {};
        }
        weston.host(program);
        program.launch();
        const QImage shot = waitForMainWindow(weston);
        if (shot.isNull()) {
            qWarning() << "no main window; the program said:" << program.output();
            return {};
        }
        if (!shotName.isEmpty())
            saveForLooking(shot, shotName);
        return Weston::windowIn(shot);
    }

    void clickStart(const Weston& weston, const QRect& frame) {
        weston.clickAt(startButtonOf(clientAreaOf(frame).topLeft()));
        xdotool({"mousemove", QString::number(pointerRest.x()), QString::number(pointerRest.y())});
    }

    // Leaves the flash with Escape and closes the main window with its close button; the exit
    // code, or -1.
    int leaveAndClose(const Weston& weston, RunningProgram& program) {
        weston.pressKeys({"Escape"});
        const QImage shot = waitForMainWindow(weston);
        if (shot.isNull())
            return -1;
        weston.clickAt(closeButtonOf(Weston::windowIn(shot)));
        return program.exitCode();
    }

private slots:
    void lockedFlashLogsEveryCommit() {
        // Close colors: no flash warning at this pace.
        storeSolidCycle({"RGB(60, 60, 60)", "RGB(62, 62, 62)", "RGB(64, 64, 64)"}, 1000);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        Weston weston(outputSize);
        RunningProgram program;
        program.setArguments({"--frames", "2", "--duration", "3", "--log", log});
        const QRect frame = startProgram(weston, program);
        QVERIFY(!frame.isEmpty());
        clickStart(weston, frame);
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += program.output()).contains(QRegularExpression("flash: \\d+ steps")), 30000);
        QVERIFY2(!said.contains("no way to hold"), qPrintable(said));
        const QList<LogRow> rows = readStepLog(log);
        // About 40 frames a second here, so 3 s of steps held 2 frames each.
        QVERIFY2(rows.size() >= 20, qPrintable(QString::number(rows.size())));
        int unconfirmed = 0;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].step, int(i + 1));
            // Nothing the compositor discarded, and weston's pixman renderer counts no refreshes.
            QVERIFY(rows[i].missed != u"skipped");
            // Weston reports every step: none is given up but those the close cut off.
            if (rows[i].missed == u"missed") {
                ++unconfirmed;
                QVERIFY2(i >= rows.size() - 2, qPrintable(QString::number(rows[i].step)));
                continue;
            }
            QVERIFY(!rows[i].targetMsc && !rows[i].shownMsc);
            if (i > 0)
                QVERIFY(rows[i].shownUs > rows[i - 1].shownUs);
        }
        qInfo("weston: %d steps presented, 0 discarded, %d unreported",
              int(rows.size()) - unconfirmed, unconfirmed);
        QCOMPARE(rows[0].first, QStringLiteral("#3c3c3c"));
        QCOMPARE(rows[1].first, QStringLiteral("#3e3e3e"));
        const QImage shot = waitForMainWindow(weston);
        QVERIFY(!shot.isNull());
        weston.clickAt(closeButtonOf(Weston::windowIn(shot)));
        QCOMPARE(program.exitCode(), 0);
    }

    void solidStepCoversTheOutput() {
        const int delay = 1000;
        const QString list = "RGB(0, 0, 255)" + StoredSeparator;
        storeSolidCycle({"RGB(0, 0, 255)"}, delay);
        Weston weston(outputSize);
        RunningProgram program;
        const QRect frame = startProgram(weston, program, "wayland-main-window");
        QCOMPARE(clientAreaOf(frame).size(), clientSize);

        QElapsedTimer sinceStart;
        sinceStart.start();
        clickStart(weston, frame);
        const QImage shot =
            weston.waitForScreen([](const QImage& shot) { return cornersAre(shot, blue); });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, "wayland-flash-solid");
        QCOMPARE(shot.size(), outputSize);
        QCOMPARE(weston.fullScreenWindowsOf(program.processId()),
                 QList<QRect>{QRect(QPoint(0, 0), outputSize)});
        QCOMPARE(lineDifferences(shot, solidScreen(outputSize, blue)), QString());
        QVERIFY(hintShows(shot));

        weston.pressKeys({"h", "i", "d", "e"});
        const QImage hidden =
            weston.waitForScreen([](const QImage& shot) { return !hintShows(shot); });
        QVERIFY(!hidden.isNull());
        // The hint goes by itself at the 16th tick; before it only "hide" can have hidden it.
        QVERIFY2(sinceStart.elapsed() < 15 * delay, "too slow to tell typing from the tick count");
        QCOMPARE(QColor(hidden.pixel(0, 0)), blue);

        QCOMPARE(leaveAndClose(weston, program), 0);
        QCOMPARE(storedValue("Colors"), list);
    }

    // ArgyllCMS's colors in turn on a native Wayland window: each acknowledged only once the
    // compositor tells it presented (weston's X11 output tells the time, not a counter).
    void webDisplayPatchesAreAcknowledgedWhenPresented() {
        QTemporaryDir dir;
        const QString log = dir.filePath("patches.csv");
        ArgyllColors argyll(dir.filePath("requests.txt"));
        QVERIFY(argyll.start());
        Weston weston(outputSize);
        QVERIFY2(weston.start(), qPrintable(weston.log()));
        RunningProgram program;
        weston.host(program);
        program.setArguments({"--web-display", argyll.url(), "--log", log});
        program.launch();
        const QPoint middle(outputSize.width() / 2, outputSize.height() / 2);
        QList<QColor> shown;
        QDeadlineTimer deadline(60000);
        while (!argyll.finished() && !deadline.hasExpired()) {
            const QImage shot = weston.screenshot();
            if (!shot.isNull() && (shown.isEmpty() || shown.last() != shot.pixelColor(middle)))
                shown << shot.pixelColor(middle);
            QTest::qWait(10);
        }
        QString said = program.output();
        QVERIFY2(argyll.endedWell(), qPrintable("dispwin did not come to its end; " + said));
        QList<QColor> patches;
        for (const QColor& color : shown)
            if (ArgyllColors::colors().contains(color))
                patches << color;
        QCOMPARE(patches, ArgyllColors::colors());
        weston.pressKeys({"Escape"});
        QCOMPARE(program.exitCode(), 0);
        const QList<LogRow> rows = readStepLog(log);
        QVERIFY2(rows.size() >= 3, qPrintable(said));
        QStringList logged;
        for (const LogRow& row : rows.mid(0, 3))
            logged << row.first;
        QCOMPARE(logged, (QStringList{"#ff0000", "#008000", "#0000ff"}));
        const QString fault = argyll.acknowledgementFault(rows, false);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // Weston offers no layer for overlays: the box is a window it places, + grows it (where it
    // stays is the compositor's), and a drag moves it through the compositor.
    void aBoxIsAWindowTheCompositorPlaces() {
        storeSolidCycle({"RGB(0, 0, 255)"}, 1000);
        Weston weston(outputSize);
        QVERIFY2(weston.start(), qPrintable(weston.log()));
        RunningProgram program;
        weston.host(program);
        program.setArguments({"--box", "100x100"});
        program.launch();
        const QImage shot = weston.waitForScreen(
            [](const QImage& shot) { return areaOf(shot, blue).size() == QSize(100, 100); });
        const QString said = program.output();
        QVERIFY2(!shot.isNull(), qPrintable(said));
        saveForLooking(shot, "wayland-box");
        QVERIFY2(said.contains("the compositor places the boxes"), qPrintable(said));
        weston.pressKeys({"plus"});
        const QImage grown = weston.waitForScreen(
            [](const QImage& shot) { return areaOf(shot, blue).size() == QSize(102, 102); });
        QVERIFY2(!grown.isNull(), "+ did not grow the box by two pixels");
        // Dragged with the left button, through the compositor.
        const QRect before = areaOf(grown, blue);
        const QPoint grip = before.center();
        const QPoint offset(60, 45);
        xdotool({"mousemove", "0", "0"});
        xdotool(
            {"mousemove", QString::number(grip.x()), QString::number(grip.y()), "mousedown", "1"});
        // The compositor takes over the pointer once the program asks it to move the window.
        for (int step = 1; step <= 6; ++step) {
            QTest::qWait(50);
            xdotool({"mousemove", QString::number(grip.x() + offset.x() * step / 6),
                     QString::number(grip.y() + offset.y() * step / 6)});
        }
        QTest::qWait(50);
        xdotool({"mouseup", "1"});
        xdotool({"mousemove", QString::number(pointerRest.x()), QString::number(pointerRest.y())});
        const QImage moved = weston.waitForScreen(
            [&](const QImage& shot) { return areaOf(shot, blue) == before.translated(offset); });
        QVERIFY2(!moved.isNull(), qPrintable(QStringLiteral("from %1,%2 to %3,%4")
                                                 .arg(before.x())
                                                 .arg(before.y())
                                                 .arg(areaOf(weston.screenshot(), blue).x())
                                                 .arg(areaOf(weston.screenshot(), blue).y())));
        weston.pressKeys({"Escape"});
        QVERIFY(
            !weston.waitForScreen([](const QImage& shot) { return areaOf(shot, blue).isEmpty(); })
                 .isNull());
        QCOMPARE(program.endWith(SIGTERM), 0);
    }

    void gradientStepMatchesThePainter_data() {
        QTest::addColumn<bool>("vertical");
        QTest::newRow("left to right") << false;
        QTest::newRow("up and down") << true;
    }
    void gradientStepMatchesThePainter() {
        QFETCH(bool, vertical);
        const QString list =
            "RGB(255, 0, 0)" + StoredSeparator + "RGB(0, 0, 255)" + StoredSeparator;
        storeGradientCycle({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}, 1000, vertical);
        Weston weston(outputSize);
        RunningProgram program;
        const QRect frame = startProgram(weston, program);
        QVERIFY(!frame.isEmpty());

        clickStart(weston, frame);
        // The far corner shows one of the two colors in every step.
        const QImage shot = weston.waitForScreen([](const QImage& shot) {
            const QColor corner(shot.pixel(outputSize.width() - 1, outputSize.height() - 1));
            return corner == red || corner == blue;
        });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, vertical ? "wayland-flash-gradient-up-and-down"
                                      : "wayland-flash-gradient-left-to-right");
        QCOMPARE(shot.size(), outputSize);
        // Red and blue take turns, so either pair may be showing.
        const QString againstFirst =
            lineDifferences(shot, paintedGradient(outputSize, red, blue, vertical));
        const QString againstSecond =
            lineDifferences(shot, paintedGradient(outputSize, blue, red, vertical));
        QVERIFY2(againstFirst.isEmpty() || againstSecond.isEmpty(),
                 qPrintable(againstFirst + "\nor else\n" + againstSecond));

        QCOMPARE(leaveAndClose(weston, program), 0);
        QCOMPARE(storedValue("Colors"), list);
    }
};

CHROMAFLICK_TEST_MAIN(WaylandEndToEnd)
#include "tst_e2e_wayland.moc"
