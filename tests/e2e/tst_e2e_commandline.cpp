#include "core/programversion.h"
#include "desktop.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QSettings>
#include <QtTest>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QPoint middle(960, 700);

bool isListColor(const QColor& color) {
    return color == red || color == green || color == blue;
}

QString storePath() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, "Varnhollow").fileName();
}

} // namespace

class CommandLineEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void timedRunClosesItselfAndTheProgramGoesOn() {
        resetStore({{"Colors", "RGB(0, 0, 255)" + StoredSeparator}, {"Text1", "500"}});
        RunningProgram program;
        program.setArguments({"--start", "--duration", "3"});
        QVERIFY(program.start());
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(middle), blue, 10000);
        QElapsedTimer shown;
        shown.start();
        // The main window comes back when the flash has closed itself.
        const QRect main = program.mainWindowGeometry();
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(main.topLeft() + QPoint(3, 3)), QColor(Qt::white), 15000);
        QVERIFY2(shown.elapsed() > 2000, "the flash closed long before its time");
        QCOMPARE(pixelAt({5, 5}), QColor(Qt::black));
        saveForLooking(screenshot(), "timed-run-over");
        QVERIFY(program.isRunning());
        QCOMPARE(program.closeMainWindow(), 0);
    }

    void spacePausesTheFlash() {
        const int delay = 400;
        storeSolidCycle({"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"}, delay);
        RunningProgram program;
        program.setArguments({"--start"});
        QVERIFY(program.start());
        QTRY_VERIFY_WITH_TIMEOUT(isListColor(pixelAt(middle)), 10000);
        xdotool({"mousemove", "960", "700"});
        xdotool({"key", "space"});
        // The colour held over several intervals; a running cycle changes within two.
        QTest::qWait(delay);
        const QColor held = pixelAt(middle);
        QVERIFY(isListColor(held));
        QElapsedTimer watched;
        watched.start();
        while (watched.elapsed() < 6 * delay) {
            QCOMPARE(pixelAt(middle), held);
            QTest::qWait(20);
        }
        xdotool({"key", "space"});
        QTRY_VERIFY_WITH_TIMEOUT(pixelAt(middle) != held, 5000);
        QVERIFY(isListColor(pixelAt(middle)));
        xdotool({"key", "Escape"});
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({5, 5}), QColor(Qt::black), 10000);
        QCOMPARE(program.closeMainWindow(), 0);
    }

    void badCommandLinesAreRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::addColumn<bool>("display");
        // Without a display every fault but the screen's is still told by the program itself.
        for (bool display : {true, false}) {
            const char* where = display ? "" : ", no display";
            QTest::addRow("unknown option%s", where)
                << QStringList{"--bogus"} << "bogus" << display;
            QTest::addRow("zero duration%s", where)
                << QStringList{"--duration", "0"} << "--duration" << display;
            QTest::addRow("missing palette%s", where)
                << QStringList{"--colors", "/nonexistent/p.gpl"} << "--colors" << display;
            QTest::addRow("stray argument%s", where) << QStringList{"extra"} << "extra" << display;
            QTest::addRow("web display at no URL%s", where)
                << QStringList{"--web-display", "localhost:8080"} << "--web-display" << display;
            QTest::addRow("resolve at no port%s", where)
                << QStringList{"--resolve", "localhost:99999"} << "--resolve" << display;
        }
        QTest::newRow("no such screen") << QStringList{"--screen", "9"} << "--screen" << true;
    }
    void badCommandLinesAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QFETCH(bool, display);
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        const QDateTime before = QFileInfo(storePath()).lastModified();
        QTest::qWait(20);
        RunningProgram program;
        if (!display) {
            program.removeEnvironment("DISPLAY");
            program.removeEnvironment("WAYLAND_DISPLAY");
        }
        program.setArguments(arguments);
        program.launch();
        QVERIFY(program.waitForEnd());
        QCOMPARE(program.exitCode(), 2);
        // Qt's own warnings about the environment may come first.
        const QString said = program.output();
        const QStringList told = said.split('\n').filter(QRegularExpression("^chromaflick: "));
        QVERIFY2(told.size() == 1 && said.endsWith(told[0] + '\n'), qPrintable(said));
        QVERIFY2(told[0].contains(named), qPrintable(said));
        QCOMPARE(storedValue("Colors"), "RGB(1, 2, 3)" + StoredSeparator);
        QCOMPARE(QFileInfo(storePath()).lastModified(), before);
    }

    void aGoodCommandLineWithoutADisplayIsToldInOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("a screen that cannot be looked up yet") << QStringList{"--screen", "9"};
        QTest::newRow("start for an hour") << QStringList{"--start", "--duration", "1h"};
    }
    void aGoodCommandLineWithoutADisplayIsToldInOneLine() {
        QFETCH(QStringList, arguments);
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        const QDateTime before = QFileInfo(storePath()).lastModified();
        RunningProgram program;
        program.removeEnvironment("DISPLAY");
        program.removeEnvironment("WAYLAND_DISPLAY");
        program.setArguments(arguments);
        program.launch();
        QVERIFY(program.waitForEnd());
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(program.output(), QStringLiteral("chromaflick: no display to show the window on: "
                                                  "neither DISPLAY nor WAYLAND_DISPLAY is set\n"));
        QCOMPARE(QFileInfo(storePath()).lastModified(), before);
    }

    void helpAndVersionPrintAndEnd_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<bool>("display");
        const QStringList help{"--start",       "--duration", "--screen",
                               "--all-screens", "--colors",   "--version"};
        const QStringList version{
            QStringLiteral("chromaflick %1\n").arg(QLatin1StringView(ProgramVersion))};
        // Asking for help or the version needs no desktop: a terminal without one is enough.
        for (bool display : {true, false}) {
            const char* where = display ? "" : ", no display";
            QTest::addRow("help%s", where) << "--help" << help << display;
            QTest::addRow("version%s", where) << "-v" << version << display;
        }
    }
    void helpAndVersionPrintAndEnd() {
        QFETCH(QString, option);
        QFETCH(QStringList, printed);
        QFETCH(bool, display);
        RunningProgram program;
        if (!display)
            program.removeEnvironment("DISPLAY");
        program.setArguments({option});
        program.launch();
        QVERIFY(program.waitForEnd());
        QCOMPARE(program.exitCode(), 0);
        const QString said = program.output();
        for (const QString& text : printed)
            QVERIFY2(said.contains(text), qPrintable(said));
    }
};

CHROMAFLICK_TEST_MAIN(CommandLineEndToEnd)
#include "tst_e2e_commandline.moc"
