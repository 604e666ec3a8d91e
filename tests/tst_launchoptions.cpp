// Runs on an offscreen desktop of two screens side by side (see data/two-screens.json).
#include "core/applicationtitle.h"
#include "core/commandline.h"
#include "core/palettereport.h"
#include "core/storedlist.h"
#include "loadedform.h"
#include "platform/launchpalette.h"
#include "platform/settingsbacking.h"
#include "ui/flashsession.h"
#include "ui/form2.h"
#include "ui/launchboxes.h"
#include "ui/launchoptions.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList arguments(const QStringList& options) {
    return QStringList{"chromaflick"} + options;
}

QString storeFilePath() {
    return userSettingsFile(QLatin1String(SettingsApplication));
}

QStringList screenNames() {
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens())
        names << screen->name();
    return names;
}

} // namespace

class LaunchOptionsTest : public QObject {
    Q_OBJECT
private slots:
    void screensHoldForEveryStart_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("screens");
        QTest::newRow("none given") << QStringList{} << QStringList{"right"};
        QTest::newRow("by number") << QStringList{"--screen", "1"} << QStringList{"left"};
        QTest::newRow("by name") << QStringList{"--screen", "right"} << QStringList{"right"};
        QTest::newRow("all") << QStringList{"--all-screens"} << QStringList{"left", "right"};
    }
    void screensHoldForEveryStart() {
        QFETCH(QStringList, options);
        QFETCH(QStringList, screens);
        const CommandLine line = readCommandLine(arguments(options), screenNames());
        QCOMPARE(line.action, CommandLine::Action::Run);
        Loaded main({{"Text1", "250"}});
        QCOMPARE(applyLaunchOptions(*main.form, line.options), QStringList{});
        main.form->showCentred();
        main.form->move(QGuiApplication::screens()[1]->geometry().center());
        QTRY_COMPARE(main.form->screen(), QGuiApplication::screens()[1]);
        for (int start = 0; start < 2; ++start) {
            main.form->startFlash();
            FlashSession* flash = main.form->flashSession();
            QVERIFY(flash && flash->isVisible());
            QStringList covered;
            for (const Form2* view : flash->views())
                covered << view->screen()->name();
            QCOMPARE(covered, screens);
            flash->close();
        }
    }

    // A run with a palette shows it, and the stored list survives it: untouched when the user
    // leaves the list alone, kept aside in a copy when the user makes a list of the palette.
    void colorsShowForTheRunAndLeaveTheStoredList_data() {
        QTest::addColumn<bool>("changed");
        QTest::newRow("list left as the palette gave it") << false;
        QTest::newRow("list changed in the run") << true;
    }
    void colorsShowForTheRunAndLeaveTheStoredList() {
        QFETCH(bool, changed);
        QTemporaryDir folder;
        const QString path = folder.filePath("test.txt");
        QVERIFY(putFile(path, "#102030\nno color here\n1 2 3\n"));
        const CommandLine line = readCommandLine(arguments({"--colors", path}), screenNames());
        QCOMPARE(line.action, CommandLine::Action::Run);
        const LaunchPalette palette = readLaunchPalette(line.options);
        QCOMPARE(palette.problem, QString());

        const QString stored = "RGB(9, 9, 9)" + StoredSeparator;
        const QString kept = storeFilePath() + ".before-colors";
        QFile::remove(kept);
        Loaded main({{"Colors", stored}});
        const QStringList told = applyLaunchOptions(*main.form, line.options, palette.colors);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("--colors: line 2: ") && told[0].endsWith(", skipped"),
                 qPrintable(told[0]));
        QCOMPARE(main.entries(), (QStringList{"RGB(16, 32, 48)", "RGB(1, 2, 3)"}));
        QVERIFY(main.writes->isEmpty());
        if (changed)
            main.form->ListView1().append({"RGB(4, 5, 6)"});
        main.form->close();
        if (!changed) {
            QCOMPARE(storedValue("Colors"), stored);
            QVERIFY(!QFile::exists(kept));
            return;
        }
        QCOMPARE(storedValue("Colors"), "RGB(16, 32, 48)" + StoredSeparator + "RGB(1, 2, 3)" +
                                            StoredSeparator + "RGB(4, 5, 6)" + StoredSeparator);
        QVERIFY(fileBytes(kept).contains("RGB(9, 9, 9)"));
        QFile::remove(kept);
    }

    void durationClosesEveryFlashOfTheRun() {
        const CommandLine line =
            readCommandLine(arguments({"--duration", "1s", "--start"}), screenNames());
        QCOMPARE(line.action, CommandLine::Action::Run);
        QVERIFY(line.options.start);
        Loaded main({{"Text1", "250"}});
        applyLaunchOptions(*main.form, line.options);
        main.form->showCentred();
        for (int start = 0; start < 2; ++start) {
            QElapsedTimer open;
            open.start();
            main.form->startFlash();
            FlashSession* flash = main.form->flashSession();
            QVERIFY(flash->isVisible());
            QTRY_VERIFY_WITH_TIMEOUT(!flash->isVisible(), 5000);
            QVERIFY(open.elapsed() >= 990);
        }
        QVERIFY(main.form->isVisible());
    }

    // The duration counts flashing time: paused past its end the flash stays, and after the
    // resume it closes when the rest has gone by.
    void aPauseHoldsTheDuration() {
        const CommandLine line = readCommandLine(arguments({"--duration", "1s"}), screenNames());
        Loaded main({{"Text1", "250"}});
        applyLaunchOptions(*main.form, line.options);
        main.form->showCentred();
        QElapsedTimer flashing;
        flashing.start();
        main.form->startFlash();
        FlashSession* flash = main.form->flashSession();
        QVERIFY(flash->isVisible());
        flash->togglePause();
        const qint64 beforePause = flashing.elapsed();
        QTest::qWait(1500);
        QVERIFY2(flash->isVisible(), "the paused flash closed at the end of the duration");
        flash->togglePause();
        QElapsedTimer resumed;
        resumed.start();
        QTRY_VERIFY_WITH_TIMEOUT(!flash->isVisible(), 5000);
        QVERIFY(resumed.elapsed() + beforePause >= 990);
        // Each flash of the run gets the whole duration again.
        flashing.restart();
        main.form->startFlash();
        QTRY_VERIFY_WITH_TIMEOUT(!flash->isVisible(), 5000);
        QVERIFY(flashing.elapsed() >= 990);
    }

    void paletteProblemsOneLineEach_data() {
        QTest::addColumn<int>("badLines");
        QTest::addColumn<int>("leftOut");
        QTest::addColumn<int>("lines");
        QTest::newRow("nothing wrong") << 0 << 0 << 0;
        QTest::newRow("two bad lines") << 2 << 0 << 2;
        QTest::newRow("more than are described")
            << int(MostBadLinesDescribed) + 50 << 0 << int(MostBadLinesDescribed) + 1;
        QTest::newRow("colors beyond the room") << 0 << 7 << 1;
        QTest::newRow("both") << 1 << 7 << 2;
    }
    void paletteProblemsOneLineEach() {
        QFETCH(int, badLines);
        QFETCH(int, leftOut);
        QFETCH(int, lines);
        PaletteContents contents;
        contents.entries = {"RGB(1, 2, 3)"};
        contents.leftOut = leftOut;
        contents.badLineCount = badLines;
        for (int i = 0; i < badLines && i < MostBadLinesDescribed; ++i)
            contents.badLines.append({2 * i + 3, QStringLiteral("reason %1").arg(i)});
        const QStringList told = paletteProblemLines(contents);
        QCOMPARE(told.size(), lines);
        for (qsizetype i = 0; i < contents.badLines.size(); ++i) {
            QVERIFY(told[i].contains(QStringLiteral("line %1:").arg(2 * i + 3)));
            QVERIFY(told[i].contains(QStringLiteral("reason %1").arg(i)));
        }
        if (badLines > MostBadLinesDescribed)
            QVERIFY(told[MostBadLinesDescribed].startsWith(QString::number(50) + " more"));
        if (leftOut > 0) {
            QVERIFY(told.last().startsWith(QString::number(leftOut) + " colors left out"));
            // The list's maximum, not the number of colors the palette gave.
            QVERIFY2(told.last().endsWith(QString::number(MaxListEntries) + " at most"),
                     qPrintable(told.last()));
        }
        for (const QString& line : told)
            QVERIFY(!line.contains('\n'));
    }

    void boxesWithoutAPlaceGoInTheMiddleOfTheChosenScreens_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QList<QRect>>("boxes");
        QTest::newRow("the main window's")
            << QStringList{"--box", "100x100"} << QList<QRect>{{590, 350, 100, 100}};
        QTest::newRow("one named") << QStringList{"--screen", "right", "--box", "100x100"}
                                   << QList<QRect>{{2190, 490, 100, 100}};
        QTest::newRow("each of all") << QStringList{"--all-screens", "--box", "100x100"}
                                     << QList<QRect>{{590, 350, 100, 100}, {2190, 490, 100, 100}};
        QTest::newRow("a placed one once, whatever the screens")
            << QStringList{"--all-screens", "--box", "10x10+5+5", "--box", "8x8"}
            << QList<QRect>{{5, 5, 10, 10}, {636, 396, 8, 8}, {2236, 536, 8, 8}};
    }
    void boxesWithoutAPlaceGoInTheMiddleOfTheChosenScreens() {
        QFETCH(QStringList, options);
        QFETCH(QList<QRect>, boxes);
        const CommandLine line = readCommandLine(arguments(options), screenNames());
        const LaunchBoxes placed = placeLaunchBoxes(line.options);
        QVERIFY2(placed.problem.isEmpty(), qPrintable(placed.problem));
        QCOMPARE(placed.boxes, boxes);
    }

    void aBoxTooLargeForTheSmallerScreenIsRefusedThere() {
        const CommandLine line =
            readCommandLine(arguments({"--all-screens", "--box", "1300x100"}), screenNames());
        QCOMPARE(placeLaunchBoxes(line.options).problem,
                 QStringLiteral("1300x100+-10+350 is larger than its screen of 1280x800"));
    }
};

CHROMAFLICK_TEST_MAIN(LaunchOptionsTest)
#include "tst_launchoptions.moc"
