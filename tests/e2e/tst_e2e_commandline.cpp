#include "core/programversion.h"
#include "desktop.h"
#include "madeuplog.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>

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

// The display a program is started on: the test's own X server, or one it cannot have.
enum class Reach { TestServer, NoDisplay, NoServer };

const char* rowName(Reach reach) {
    switch (reach) {
    case Reach::TestServer:
        return "";
    case Reach::NoDisplay:
        return ", no display";
    case Reach::NoServer:
        return ", no X server at DISPLAY";
    }
    return "";
}

// Qt would abort with lines of its own and status 134 when DISPLAY names no server.
void placeOn(RunningProgram& program, Reach reach) {
    if (reach == Reach::TestServer)
        return;
    program.removeEnvironment("WAYLAND_DISPLAY");
    if (reach == Reach::NoDisplay)
        program.removeEnvironment("DISPLAY");
    else
        program.setEnvironment("DISPLAY", ":nonexistent");
}

} // namespace

Q_DECLARE_METATYPE(Reach)

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
        QTest::addColumn<Reach>("reach");
        // Without a display every fault but the screen's is still told by the program itself.
        for (Reach reach : {Reach::TestServer, Reach::NoDisplay, Reach::NoServer}) {
            const char* where = rowName(reach);
            QTest::addRow("unknown option%s", where) << QStringList{"--bogus"} << "bogus" << reach;
            QTest::addRow("zero duration%s", where)
                << QStringList{"--duration", "0"} << "--duration" << reach;
            QTest::addRow("missing palette%s", where)
                << QStringList{"--colors", "/nonexistent/p.gpl"} << "--colors" << reach;
            QTest::addRow("stray argument%s", where) << QStringList{"extra"} << "extra" << reach;
            QTest::addRow("log in no folder%s", where)
                << QStringList{"--log", "/nonexistent/run.csv"} << "--log" << reach;
            QTest::addRow("log over a folder%s", where)
                << QStringList{"--log", "SCRATCH"} << "a folder" << reach;
            QTest::addRow("report over a folder%s", where)
                << QStringList{"--report", "SCRATCH/folder.svg"} << "a folder" << reach;
            QTest::addRow("web display at no URL%s", where)
                << QStringList{"--web-display", "localhost:8080"} << "--web-display" << reach;
            QTest::addRow("resolve at no port%s", where)
                << QStringList{"--resolve", "localhost:99999"} << "--resolve" << reach;
        }
        QTest::newRow("no such screen")
            << QStringList{"--screen", "9"} << "--screen" << Reach::TestServer;
    }
    void badCommandLinesAreRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QFETCH(Reach, reach);
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        const QDateTime before = QFileInfo(storePath()).lastModified();
        QTest::qWait(20);
        const QTemporaryDir scratch;
        QVERIFY(QDir(scratch.path()).mkdir("folder.svg"));
        RunningProgram program;
        placeOn(program, reach);
        program.setArguments(arguments.replaceInStrings("SCRATCH", scratch.path()));
        program.launch();
        QVERIFY(program.waitForEnd());
        QCOMPARE(program.exitCode(), 2);
        const QString said = program.output();
        const QStringList told = said.split('\n').filter(QRegularExpression("^chromaflick: "));
        QVERIFY2(told.size() == 1 && said.endsWith(told[0] + '\n'), qPrintable(said));
        // Qt's own warnings about the environment may come first on the test's server, and
        // nowhere else.
        if (reach != Reach::TestServer)
            QCOMPARE(said, told[0] + '\n');
        QVERIFY2(told[0].contains(named), qPrintable(said));
        QCOMPARE(storedValue("Colors"), "RGB(1, 2, 3)" + StoredSeparator);
        QCOMPARE(QFileInfo(storePath()).lastModified(), before);
    }

    void aGoodCommandLineWithoutADisplayIsToldInOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Reach>("reach");
        QTest::addColumn<QString>("told");
        const QString unset = "neither DISPLAY nor WAYLAND_DISPLAY is set";
        const QString unreachable = "the X server of DISPLAY :nonexistent cannot be reached";
        for (const auto& [reach, told] :
             {std::pair{Reach::NoDisplay, unset}, std::pair{Reach::NoServer, unreachable}}) {
            const char* where = rowName(reach);
            QTest::addRow("nothing%s", where) << QStringList{} << reach << told;
            QTest::addRow("a screen that cannot be looked up yet%s", where)
                << QStringList{"--screen", "9"} << reach << told;
            QTest::addRow("start for an hour with a log%s", where)
                << QStringList{"--start", "--duration", "1h", "--log", "run.csv"} << reach << told;
        }
    }
    void aGoodCommandLineWithoutADisplayIsToldInOneLine() {
        QFETCH(QStringList, arguments);
        QFETCH(Reach, reach);
        QFETCH(QString, told);
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        const QDateTime before = QFileInfo(storePath()).lastModified();
        const QTemporaryDir folder;
        RunningProgram program;
        placeOn(program, reach);
        program.setArguments(arguments.replaceInStrings("run.csv", folder.filePath("run.csv")));
        program.launch();
        QVERIFY(program.waitForEnd());
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(program.output(), "chromaflick: no display to show the window on: " + told + '\n');
        QCOMPARE(QFileInfo(storePath()).lastModified(), before);
        QVERIFY(!QFileInfo::exists(folder.filePath("run.csv")));
    }

    void aReportFromALogNeedsNoDisplay_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<Reach>("reach");
        for (Reach reach : {Reach::NoDisplay, Reach::NoServer}) {
            QTest::addRow("svg%s", rowName(reach)) << "timing.svg" << reach;
            QTest::addRow("png%s", rowName(reach)) << "timing.png" << reach;
        }
    }
    void aReportFromALogNeedsNoDisplay() {
        QFETCH(QString, report);
        QFETCH(Reach, reach);
        const QTemporaryDir folder;
        QFile log(folder.filePath("run.csv"));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write(madeUpLog({MadeUpRun{}})) > 0);
        log.close();
        RunningProgram program;
        placeOn(program, reach);
        // Qt warns of a missing one as the picture's platform starts; that is not this test's.
        program.setEnvironment("XDG_RUNTIME_DIR", folder.path());
        program.setArguments({"--report", folder.filePath(report), "--from-log", log.fileName()});
        program.launch();
        QVERIFY(program.waitForEnd());
        QCOMPARE(program.output(), QString());
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFileInfo(folder.filePath(report)).size() > 0);
    }

    void helpAndVersionPrintAndEnd_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<Reach>("reach");
        const QStringList help{"--start",       "--duration", "--screen",
                               "--all-screens", "--colors",   "--version"};
        const QStringList version{
            QStringLiteral("chromaflick %1\n").arg(QLatin1StringView(ProgramVersion))};
        // Asking for help or the version needs no desktop: a terminal without one is enough.
        for (Reach reach : {Reach::TestServer, Reach::NoDisplay, Reach::NoServer}) {
            const char* where = rowName(reach);
            QTest::addRow("help%s", where) << "--help" << help << reach;
            QTest::addRow("version%s", where) << "-v" << version << reach;
        }
    }
    void helpAndVersionPrintAndEnd() {
        QFETCH(QString, option);
        QFETCH(QStringList, printed);
        QFETCH(Reach, reach);
        RunningProgram program;
        placeOn(program, reach);
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
