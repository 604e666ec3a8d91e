#include "desktop.h"
#include "testsupport.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

const QString defaultList =
    QStringList{"RGB(255, 0, 0)", "RGB(255, 127, 0)", "RGB(255, 255, 0)", "RGB(0, 255, 0)",
                "RGB(0, 0, 255)", "RGB(75, 0, 130)",  "RGB(143, 0, 255)"}
        .join(StoredSeparator) +
    StoredSeparator;

// The window that has the keyboard; 1 while the keyboard follows the pointer.
unsigned long focusedWindow() {
    return xdotool({"getwindowfocus", "-f"}).trimmed().toULong();
}

} // namespace

class MainWindowEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void firstStartThenASignalStoresTheDefaults_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void firstStartThenASignalStoresTheDefaults() {
        QFETCH(int, signal);
        resetStore();
        RunningProgram program;
        QVERIFY(program.start());
        QCOMPARE(program.mainWindowGeometry().size(), QSize(536, 537));
        QCOMPARE(program.endWith(signal), 0);
        QCOMPARE(storedValue("Colors"), defaultList);
    }

    void storedListAndOptionsComeBackOnScreen() {
        const QStringList entries{"RGB(10, 20, 30)", "not a color"};
        storeGradientCycle(entries, 250, true);
        RunningProgram program;
        QVERIFY(program.start());
        const QImage shot = screenshot();
        saveForLooking(shot, "mainwindow-stored");
        const QImage window = shot.copy(program.mainWindowGeometry());
        // Of each pair of options the second is chosen.
        const QPoint inWindow(0, 0);
        const QPair<QRect, QRect> pairs[] = {{Controls::randomOrder, Controls::cycleOrder},
                                             {Controls::solidColors, Controls::gradientColors},
                                             {Controls::leftToRight, Controls::upAndDown}};
        for (const auto& [first, second] : pairs) {
            QVERIFY(!looksChosen(window, indicatorOf(first, inWindow)));
            QVERIFY(looksChosen(window, indicatorOf(second, inWindow)));
        }
        QCOMPARE(program.closeMainWindow(), 0);
        QCOMPARE(storedValue("Colors"), entries.join(StoredSeparator) + StoredSeparator);
        QCOMPARE(storedValue("Text1"), QStringLiteral("250"));
        QCOMPARE(storedValue("Option6"), QStringLiteral("True"));
    }

    void clearListAnsweredYesThenClosedStoresNothing() {
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        {
            RunningProgram program;
            QVERIFY(program.start());
            clickAt(middleOf(Controls::clearList, program.mainWindowGeometry().topLeft()));
            const unsigned long box = waitForOtherWindow("^Chromaflick$", program.mainWindowId());
            QVERIFY(box);
            saveForLooking(screenshot(), "clear-list-question");
            pressKeyIn(box, "Return");
            QVERIFY(waitUntilHidden(box));
            QCOMPARE(program.closeMainWindow(), 0);
        }
        QCOMPARE(storedValue("Colors"), QString(""));
        RunningProgram next;
        QVERIFY(next.start());
        saveForLooking(screenshot(), "mainwindow-after-clear");
        QCOMPARE(next.endWith(SIGTERM), 0);
        QCOMPARE(storedValue("Colors"), defaultList);
    }

    void importThroughTheListMenuAppendsTheColors_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("right click") << false;
        QTest::newRow("Menu key") << true;
    }
    void importThroughTheListMenuAppendsTheColors() {
        QFETCH(bool, byKeyboard);
        QTemporaryDir folder;
        const QString palette = folder.filePath("warm.gpl");
        QVERIFY(putFile(palette, "GIMP Palette\nName: Warm\n#\n255 128   0 Orange\n 10  20  30\n"));
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        RunningProgram program;
        QVERIFY(program.start());
        const QPoint corner = program.mainWindowGeometry().topLeft();
        const QPoint inList = firstEntryOf(corner);
        // Opened at the pointer or below the entry, the menu covers part of the empty list
        // below the one entry, which nothing else changes.
        const QRect belowEntry(corner + Controls::list.topLeft() + QPoint(4, 44), QSize(150, 60));
        const QImage before = screenArea(belowEntry);
        if (byKeyboard) {
            clickAt(inList);
            xdotool({"key", "Menu"});
        } else {
            xdotool({"mousemove", QString::number(inList.x()), QString::number(inList.y())});
            xdotool({"click", "3"});
        }
        const QImage withMenu =
            waitForScreen([&](const QImage& shot) { return shot.copy(belowEntry) != before; });
        QVERIFY(!withMenu.isNull());
        saveForLooking(withMenu, byKeyboard ? "list-menu-by-key" : "list-menu");

        xdotool({"key", "i"});
        const unsigned long chooser = waitForOtherWindow("^Import Colors$", program.mainWindowId());
        QVERIFY(chooser);
        const auto chooserShows = [] {
            return !xdotool({"search", "--onlyvisible", "--name", "^Import Colors$"})
                        .trimmed()
                        .isEmpty();
        };
        // Keys typed while the chooser still lays itself out can be lost; a path it then cannot
        // open is told in a box of the same title, which the next Return closes.
        for (int attempt = 0; attempt < 3 && chooserShows(); ++attempt) {
            QVERIFY(!waitForScreen([](const QImage&) { return true; }).isNull());
            xdotool({"mousemove", "--window", QString::number(chooser), "20", "20"});
            xdotool({"key", "ctrl+a"});
            xdotool({"type", "--delay", "10", palette});
            xdotool({"key", "Return"});
            QDeadlineTimer closing(5000);
            while (chooserShows() && !closing.hasExpired())
                QTest::qWait(100);
        }
        QVERIFY(!chooserShows());
        QCOMPARE(program.closeMainWindow(), 0);
        QCOMPARE(storedValue("Colors"),
                 QStringList({"RGB(1, 2, 3)", "RGB(255, 128, 0)", "RGB(10, 20, 30)"})
                         .join(StoredSeparator) +
                     StoredSeparator);
    }

    // With no window manager nobody hands out the keyboard: the program takes it for its main
    // window at start and again when a box it raised goes. The pointer stays off the window, so
    // no key reaches it by following the pointer.
    void mainWindowHasTheKeyboardAtStartAndAfterABox() {
        resetStore({{"Text1", "250"}});
        xdotool({"mousemove", "0", "0"});
        RunningProgram program;
        QVERIFY(program.start());
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindow(), program.mainWindowId(), 5000);
        // The delay has the focus with its text selected: digits replace it.
        xdotool({"type", "--delay", "20", "750"});
        QTRY_COMPARE_WITH_TIMEOUT(storedValue("Text1"), QStringLiteral("750"), 5000);

        // Leaving the delay with a letter in it raises a box.
        xdotool({"type", "x"});
        xdotool({"key", "Tab"});
        const unsigned long box = waitForOtherWindow("^Chromaflick$", program.mainWindowId());
        QVERIFY(box);
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindow(), box, 5000);
        xdotool({"key", "Return"});
        QTRY_COMPARE_WITH_TIMEOUT(
            xdotool({"search", "--onlyvisible", "--name", "^Chromaflick$"}).trimmed(),
            QString::number(program.mainWindowId()), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindow(), program.mainWindowId(), 5000);
        QCOMPARE(storedValue("Text1"), QStringLiteral("500"));
        // Back on the delay from the keyboard alone, the new digits replace the default.
        xdotool({"key", "shift+Tab"});
        xdotool({"type", "--delay", "20", "42"});
        QTRY_COMPARE_WITH_TIMEOUT(storedValue("Text1"), QStringLiteral("42"), 5000);
        QCOMPARE(program.closeMainWindow(), 0);
    }

    // The German window: same size, German captions, the color entries untouched.
    void germanEnvironmentShowsTheGermanWindow() {
        const auto windowIn = [](const QString& language, const QString& lang) {
            resetStore();
            RunningProgram program;
            program.setEnvironment("LANGUAGE", language);
            program.setEnvironment("LANG", lang);
            if (!program.start())
                return QImage();
            const QImage window = screenshot().copy(program.mainWindowGeometry());
            program.endWith(SIGTERM);
            return window;
        };
        const QImage english = windowIn("en", "en_US.UTF-8");
        const QImage german = windowIn("de", "de_DE.UTF-8");
        QVERIFY(!english.isNull() && !german.isNull());
        saveForLooking(german, "mainwindow-de");
        QCOMPARE(german.size(), QSize(536, 537));
        const QRect delayFrameTitle(Controls::delayFrame.topLeft(), QSize(400, 14));
        QVERIFY(german.copy(Controls::addColor) != english.copy(Controls::addColor));
        QVERIFY(german.copy(delayFrameTitle) != english.copy(delayFrameTitle));
        // The entries below the list's header are stored values, the same in every language.
        const QRect entries(Controls::list.topLeft() + QPoint(4, 28), QSize(300, 100));
        QCOMPARE(german.copy(entries), english.copy(entries));
    }
};

CHROMAFLICK_TEST_MAIN(MainWindowEndToEnd)
#include "tst_e2e_mainwindow.moc"
