#include "desktop.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QtTest>
#include <csignal>

namespace {

const QString sep = QStringLiteral("||MySeparator123||");

QPoint startButton(const RunningProgram& program) {
    return program.mainWindowGeometry().topLeft() + QPoint(8 + 260, 503 + 13);
}

// Whether the hint's text shows in the top-left corner: dark pixels on a bright color.
bool hintShows(const QImage& shot) {
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 300; ++x)
            if (qGray(shot.pixel(x, y)) < 60)
                return true;
    return false;
}

} // namespace

class FlashEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void gradientCycleShowsThePaintersPixels() {
        resetStore({{"Colors", "RGB(255, 0, 0)" + sep + "RGB(0, 0, 255)" + sep},
                    {"Option1", "False"},
                    {"Option2", "True"},
                    {"Option3", "False"},
                    {"Option4", "True"},
                    {"Text1", "2000"}});
        RunningProgram program;
        QVERIFY(program.start());
        clickAt(startButton(program));
        // The first tick comes after 2 s and the next 2 s later: look in between.
        QTest::qWait(2700);
        const QImage shot = screenshot();
        saveForLooking(shot, "flash-gradient");
        QCOMPARE(shot.size(), QSize(1920, 1080));
        const int y = 540;
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
        resetStore(
            {{"Colors", "RGB(255, 0, 0)" + sep + "RGB(0, 255, 0)" + sep + "RGB(0, 0, 255)" + sep},
             {"Option1", "False"},
             {"Option2", "True"},
             {"Text1", "600"}});
        RunningProgram program;
        QVERIFY(program.start());
        clickAt(startButton(program));
        QList<QColor> seen;
        QElapsedTimer elapsed;
        elapsed.start();
        while (elapsed.elapsed() < 4500) {
            const QColor color = QColor(screenshot().pixel(960, 700));
            if (seen.isEmpty() || seen.last() != color)
                seen << color;
        }
        // Before the first tick the window shows its plain face; then the list in order, the
        // last color held over the rewind tick.
        QVERIFY(seen.size() >= 5);
        const int red = int(seen.indexOf(QColor(255, 0, 0)));
        QVERIFY(red >= 1);
        QCOMPARE(seen.mid(red, 4), (QList<QColor>{QColor(255, 0, 0), QColor(0, 255, 0),
                                                  QColor(0, 0, 255), QColor(255, 0, 0)}));

        QImage shot = screenshot();
        QVERIFY(hintShows(shot));
        xdotool({"key", "h", "i", "d", "e"});
        QTest::qWait(300);
        shot = screenshot();
        saveForLooking(shot, "flash-solid-hint-hidden");
        QVERIFY(!hintShows(shot));

        xdotool({"key", "Escape"});
        QTest::qWait(500);
        shot = screenshot();
        saveForLooking(shot, "after-escape");
        const QRect main = program.mainWindowGeometry();
        QCOMPARE(QColor(shot.pixel(main.left() + 3, main.top() + 3)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(100, 100)), QColor(Qt::black));
        QCOMPARE(program.closeMainWindow(), 0);
    }
};

CHROMAFLICK_TEST_MAIN(FlashEndToEnd)
#include "tst_e2e_flash.moc"
