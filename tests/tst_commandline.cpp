#include "core/commandline.h"
#include "core/programversion.h"
#include "coretest.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QStringList OneScreen{"HDMI-1"};
const QStringList TwoScreens{"HDMI-1", "DP-2"};
const QString OptionForms = QStringLiteral(
    "-h, --help, -v, --version, --start, --duration TIME, --screen NAME|N, --all-screens, "
    "--colors FILE, --frames N, --log FILE, --report FILE, --from-log FILE, "
    "--marker [CORNER][:SIZE], --box GEOMETRY, --web-display URL, --resolve [HOST][:PORT]");

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir folder;

    // Arguments after the program name, with {dir} standing for the test's folder.
    QStringList arguments(const QStringList& given) const {
        QStringList all{QStringLiteral("chromaflick")};
        for (QString argument : given)
            all.append(argument.replace(QStringLiteral("{dir}"), folder.path()));
        return all;
    }

    void putFile(const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void initTestCase() {
        QVERIFY(folder.isValid());
        putFile(QStringLiteral("warm.gpl"), "GIMP Palette\nName: warm\n255 0 0 Red\n255 128 0\n");
        putFile(QStringLiteral("mixed.txt"), "#0000FF\nnot a color\n");
        putFile(QStringLiteral("empty.txt"), "");
        putFile(QStringLiteral("comments.txt"), "# only this\n");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.gpl")));
    }

    void runsWith_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<bool>("start");
        QTest::addColumn<qint64>("durationMs"); // -1: none
        QTest::addColumn<int>("screenKind");
        QTest::addColumn<qsizetype>("screenIndex");
        QTest::addColumn<QString>("colorsFile"); // empty: no palette
        using Kind = ScreenChoice::Kind;
        const int mainScreen = int(Kind::MainWindowScreen);
        const int one = int(Kind::One);
        const int all = int(Kind::All);
        QTest::newRow("nothing") << QStringList{} << OneScreen << false << qint64(-1) << mainScreen
                                 << qsizetype(-1) << QString();
        QTest::newRow("start") << QStringList{"--start"} << OneScreen << true << qint64(-1)
                               << mainScreen << qsizetype(-1) << QString();
        QTest::newRow("duration") << QStringList{"--duration", "1h30m"} << OneScreen << false
                                  << qint64(5'400'000) << mainScreen << qsizetype(-1) << QString();
        QTest::newRow("duration with equals sign")
            << QStringList{"--duration=90"} << OneScreen << false << qint64(90'000) << mainScreen
            << qsizetype(-1) << QString();
        QTest::newRow("screen by name") << QStringList{"--screen", "DP-2"} << TwoScreens << false
                                        << qint64(-1) << one << qsizetype(1) << QString();
        QTest::newRow("screen by number") << QStringList{"--screen", "1"} << TwoScreens << false
                                          << qint64(-1) << one << qsizetype(0) << QString();
        QTest::newRow("last screen by number") << QStringList{"--screen=2"} << TwoScreens << false
                                               << qint64(-1) << one << qsizetype(1) << QString();
        QTest::newRow("a name before a number")
            << QStringList{"--screen", "2"} << QStringList{"DP-1", "HDMI-1", "2"} << false
            << qint64(-1) << one << qsizetype(2) << QString();
        QTest::newRow("all screens") << QStringList{"--all-screens"} << TwoScreens << false
                                     << qint64(-1) << all << qsizetype(-1) << QString();
        QTest::newRow("palette, not read")
            << QStringList{"--colors", "{dir}/gone.gpl"} << OneScreen << false << qint64(-1)
            << mainScreen << qsizetype(-1) << QStringLiteral("{dir}/gone.gpl");
        QTest::newRow("everything") << QStringList{"--start", "--all-screens", "--duration",
                                                   "2h",      "--colors",      "{dir}/warm.gpl"}
                                    << TwoScreens << true << qint64(7'200'000) << all
                                    << qsizetype(-1) << QStringLiteral("{dir}/warm.gpl");
    }
    void runsWith() {
        QFETCH(QStringList, given);
        QFETCH(QStringList, screens);
        QFETCH(bool, start);
        QFETCH(qint64, durationMs);
        QFETCH(int, screenKind);
        QFETCH(qsizetype, screenIndex);
        QFETCH(QString, colorsFile);
        const CommandLine line = readCommandLine(arguments(given), screens);
        QCOMPARE(line.text, QString());
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QCOMPARE(line.exitStatus, 0);
        const LaunchOptions& options = line.options;
        QCOMPARE(options.start, start);
        QCOMPARE(options.duration.has_value(), durationMs >= 0);
        if (options.duration)
            QCOMPARE(qint64(options.duration->count()), durationMs);
        QCOMPARE(int(options.screen.kind), screenKind);
        QCOMPARE(options.screen.index, screenIndex);
        QCOMPARE(options.colorsFile.value_or(QString()), arguments({colorsFile}).last());
    }

    void holdsAndLog_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<int>("frames"); // 0: the delay paces
        QTest::addColumn<QString>("log");
        QTest::newRow("neither") << QStringList{} << 0 << QString();
        QTest::newRow("one refresh") << QStringList{"--frames", "1"} << 1 << QString();
        QTest::newRow("the most refreshes") << QStringList{"--frames=32767"} << 32767 << QString();
        QTest::newRow("log") << QStringList{"--log", "run.csv"} << 0 << "run.csv";
        QTest::newRow("both") << QStringList{"--log=/tmp/x.csv", "--frames", "2"} << 2
                              << "/tmp/x.csv";
    }

    void reports_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("fromLog");
        QTest::newRow("at the end of a run")
            << QStringList{"--start", "--report", "t.svg"} << "t.svg" << QString();
        QTest::newRow("suffix in capitals")
            << QStringList{"--report=T.PNG"} << "T.PNG" << QString();
        QTest::newRow("from a saved log")
            << QStringList{"--from-log", "steps.csv", "--report", "t.png"} << "t.png"
            << "steps.csv";
    }
    void markers_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<int>("corner");
        QTest::addColumn<int>("size");
        using Corner = PhotodiodeMarker::Corner;
        QTest::newRow("alone") << QStringList{"--marker"} << int(Corner::BottomRight) << 48;
        QTest::newRow("alone before another option")
            << QStringList{"--marker", "--start"} << int(Corner::BottomRight) << 48;
        QTest::newRow("a corner as the next argument")
            << QStringList{"--marker", "top-left"} << int(Corner::TopLeft) << 48;
        QTest::newRow("corner and size")
            << QStringList{"--marker=top-right:100"} << int(Corner::TopRight) << 100;
        QTest::newRow("size alone")
            << QStringList{"--marker", ":1"} << int(Corner::BottomRight) << 1;
        QTest::newRow("the largest")
            << QStringList{"--marker", "bottom-left:4096"} << int(Corner::BottomLeft) << 4096;
    }
    void patchSources_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<int>("protocol");
        QTest::addColumn<QString>("address");
        const int web = int(PatchAddress::Protocol::WebDisplay);
        const int resolve = int(PatchAddress::Protocol::Resolve);
        QTest::newRow("web display as ArgyllCMS prints it")
            << QStringList{"--web-display", "http://192.0.2.2:18080/"} << web << "192.0.2.2:18080";
        QTest::newRow("web display's default port")
            << QStringList{"--web-display=http://localhost"} << web << "localhost:8080";
        QTest::newRow("resolve alone") << QStringList{"--resolve"} << resolve << "localhost:20002";
        QTest::newRow("resolve alone before another option")
            << QStringList{"--resolve", "--log", "a.csv"} << resolve << "localhost:20002";
        QTest::newRow("resolve port alone")
            << QStringList{"--resolve", ":20100"} << resolve << "localhost:20100";
        QTest::newRow("resolve host alone")
            << QStringList{"--resolve", "calman.lan"} << resolve << "calman.lan:20002";
        QTest::newRow("resolve IPv6 in brackets")
            << QStringList{"--resolve", "[::1]:20003"} << resolve << "[::1]:20003";
    }
    void patchSources() {
        QFETCH(QStringList, given);
        QFETCH(int, protocol);
        QFETCH(QString, address);
        const CommandLine line = readCommandLine(arguments(given), OneScreen);
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QVERIFY(line.options.patchSource);
        QCOMPARE(int(line.options.patchSource->protocol), protocol);
        QCOMPARE(line.options.patchSource->text(), address);
    }

    void markers() {
        QFETCH(QStringList, given);
        QFETCH(int, corner);
        QFETCH(int, size);
        const CommandLine line = readCommandLine(arguments(given), OneScreen);
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QVERIFY(line.options.marker);
        QCOMPARE(int(line.options.marker->corner), corner);
        QCOMPARE(line.options.marker->size, size);
    }

    void reports() {
        QFETCH(QStringList, given);
        QFETCH(QString, report);
        QFETCH(QString, fromLog);
        // Without the screens' names too: a log is drawn where no display is.
        const CommandLine line = readCommandLine(arguments(given), std::nullopt);
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QCOMPARE(line.options.reportPath, report);
        QCOMPARE(line.options.fromLogPath, fromLog);
    }
    void holdsAndLog() {
        QFETCH(QStringList, given);
        QFETCH(int, frames);
        QFETCH(QString, log);
        const CommandLine line = readCommandLine(arguments(given), OneScreen);
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        QCOMPARE(line.options.frames.value_or(0), frames);
        QCOMPARE(line.options.logPath, log);
    }

    // Asked before the windowing system starts: only help and the version answer, and no file
    // or screen is looked at for them.
    void printRequestsNeedNoFileOrScreen_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<bool>("prints");
        QTest::newRow("help") << QStringList{"--help"} << true;
        QTest::newRow("version despite a missing palette")
            << QStringList{"--colors", "{dir}/missing.gpl", "-v"} << true;
        QTest::newRow("a missing palette alone")
            << QStringList{"--colors", "{dir}/missing.gpl"} << false;
        QTest::newRow("a screen alone") << QStringList{"--screen", "9"} << false;
        QTest::newRow("unknown option") << QStringList{"--nope"} << false;
    }
    void printRequestsNeedNoFileOrScreen() {
        QFETCH(QStringList, given);
        QFETCH(bool, prints);
        const std::optional<CommandLine> print = readPrintRequest(arguments(given));
        QCOMPARE(print.has_value(), prints);
        if (print) {
            QCOMPARE(print->action, CommandLine::Action::Print);
            QCOMPARE(print->exitStatus, 0);
            QVERIFY(!print->text.isEmpty());
        }
    }

    // Before the windowing system: every fault but an unknown screen is found without the
    // screens' names, and the screen's value waits to be looked up.
    void checksAllButTheScreenWithoutScreens_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("problem"); // empty: runs
        QTest::newRow("unknown option") << QStringList{"--bogus"} << "Unknown option 'bogus'";
        QTest::newRow("zero duration") << QStringList{"--duration", "0"} << "--duration: '0'";
        QTest::newRow("screen twice")
            << QStringList{"--screen", "A", "--screen", "B"} << "--screen is given more than once";
        QTest::newRow("any screen name") << QStringList{"--screen", "NOPE"} << QString();
    }
    void checksAllButTheScreenWithoutScreens() {
        QFETCH(QStringList, given);
        QFETCH(QString, problem);
        const CommandLine line = readCommandLine(arguments(given), std::nullopt);
        if (problem.isEmpty()) {
            QCOMPARE(int(line.action), int(CommandLine::Action::Run));
            QCOMPARE(line.options.screen.name, given.last());
        } else {
            QCOMPARE(int(line.action), int(CommandLine::Action::Refuse));
            QCOMPARE(line.exitStatus, 2);
            QVERIFY2(line.text.startsWith(problem), qPrintable(line.text));
        }
    }

    // The screen of a choice is kept by name, so that it can be found again after a replug.
    void aScreenChosenByNumberIsKeptByName() {
        const CommandLine line = readCommandLine(arguments({"--screen", "2"}), TwoScreens);
        QCOMPARE(line.options.screen.name, QStringLiteral("DP-2"));
    }

    void refuses_data() {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<QString>("problem");
        const QString forms = "; the options are " + OptionForms;
        const QString durationForms =
            " is not a time; write seconds (90 or 90s), minutes (30m), hours (2h) or them "
            "together in that order (1h30m15s)";
        QTest::newRow("unknown option")
            << QStringList{"--fast"} << OneScreen << "Unknown option 'fast'" + forms;
        QTest::newRow("unknown short option")
            << QStringList{"-x"} << OneScreen << "Unknown option 'x'" + forms;
        QTest::newRow("missing duration")
            << QStringList{"--duration"} << OneScreen << "Missing value after '--duration'" + forms;
        QTest::newRow("missing screen") << QStringList{"--start", "--screen"} << OneScreen
                                        << "Missing value after '--screen'" + forms;
        QTest::newRow("missing palette")
            << QStringList{"--colors"} << OneScreen << "Missing value after '--colors'" + forms;
        QTest::newRow("value for a flag") << QStringList{"--start=now"} << OneScreen
                                          << "Unexpected value after '--start'" + forms;
        QTest::newRow("positional argument")
            << QStringList{"colors.gpl"} << OneScreen << "Unexpected argument 'colors.gpl'" + forms;
        QTest::newRow("positional argument after options")
            << QStringList{"--start", "--", "--all-screens"} << OneScreen
            << "Unexpected argument '--all-screens'" + forms;
        QTest::newRow("bad duration")
            << QStringList{"--duration", "5x"} << OneScreen << "--duration: '5x'" + durationForms;
        QTest::newRow("duration out of order") << QStringList{"--duration=30m1h"} << OneScreen
                                               << "--duration: '30m1h'" + durationForms;
        QTest::newRow("zero duration")
            << QStringList{"--duration", "0"} << OneScreen
            << "--duration: '0' is no time at all; a flash that closes at once shows nothing, so "
               "give at least one second";
        QTest::newRow("duration twice")
            << QStringList{"--duration", "1m", "--duration", "2m"} << OneScreen
            << "--duration is given more than once" + forms;
        QTest::newRow("screen number past the last")
            << QStringList{"--screen", "9"} << OneScreen
            << "--screen: there is no screen '9'; give a number from 1 to 1 or a name: HDMI-1";
        QTest::newRow("screen number 0")
            << QStringList{"--screen", "0"} << TwoScreens
            << "--screen: there is no screen '0'; give a number from 1 to 2 or a name: HDMI-1, "
               "DP-2";
        QTest::newRow("screen number with a sign")
            << QStringList{"--screen", "+1"} << TwoScreens
            << "--screen: there is no screen '+1'; give a number from 1 to 2 or a name: HDMI-1, "
               "DP-2";
        QTest::newRow("huge screen number")
            << QStringList{"--screen", "99999999999999999999"} << OneScreen
            << "--screen: there is no screen '99999999999999999999'; give a number from 1 to 1 "
               "or a name: HDMI-1";
        QTest::newRow("unknown screen name")
            << QStringList{"--screen", "NOPE"} << TwoScreens
            << "--screen: there is no screen 'NOPE'; give a number from 1 to 2 or a name: HDMI-1, "
               "DP-2";
        QTest::newRow("screen names are exact")
            << QStringList{"--screen", "hdmi-1"} << OneScreen
            << "--screen: there is no screen 'hdmi-1'; give a number from 1 to 1 or a name: "
               "HDMI-1";
        QTest::newRow("empty screen")
            << QStringList{"--screen="} << OneScreen
            << "--screen: there is no screen ''; give a number from 1 to 1 or a name: HDMI-1";
        QTest::newRow("no screens at all") << QStringList{"--screen", "1"} << QStringList{}
                                           << "--screen: there is no screen '1'; Qt reports none";
        QTest::newRow("screen twice") << QStringList{"--screen", "1", "--screen", "2"} << TwoScreens
                                      << "--screen is given more than once" + forms;
        QTest::newRow("screen and all screens")
            << QStringList{"--screen", "1", "--all-screens"} << TwoScreens
            << "--screen and --all-screens exclude each other" + forms;
        QTest::newRow("all screens and a bad screen")
            << QStringList{"--all-screens", "--screen", "NOPE"} << TwoScreens
            << "--screen and --all-screens exclude each other" + forms;
        QTest::newRow("palette twice")
            << QStringList{"--colors", "{dir}/warm.gpl", "--colors", "{dir}/warm.gpl"} << OneScreen
            << "--colors is given more than once" + forms;
        const QString framesRange = " is not a whole number from 1 to 32767";
        QTest::newRow("no refresh")
            << QStringList{"--frames", "0"} << OneScreen << "--frames: '0'" + framesRange;
        QTest::newRow("refreshes past the most")
            << QStringList{"--frames", "32768"} << OneScreen << "--frames: '32768'" + framesRange;
        QTest::newRow("huge refreshes")
            << QStringList{"--frames", "99999999999999999999"} << OneScreen
            << "--frames: '99999999999999999999'" + framesRange;
        QTest::newRow("refreshes with a sign")
            << QStringList{"--frames", "+2"} << OneScreen << "--frames: '+2'" + framesRange;
        QTest::newRow("refreshes as a fraction")
            << QStringList{"--frames", "1.5"} << OneScreen << "--frames: '1.5'" + framesRange;
        QTest::newRow("refreshes twice") << QStringList{"--frames", "1", "--frames", "2"}
                                         << OneScreen << "--frames is given more than once" + forms;
        QTest::newRow("log without a file")
            << QStringList{"--log="} << OneScreen << "--log: no file named";
        QTest::newRow("log twice") << QStringList{"--log", "a.csv", "--log", "b.csv"} << OneScreen
                                   << "--log is given more than once" + forms;
        QTest::newRow("report without a file")
            << QStringList{"--report="} << OneScreen << "--report: no file named";
        QTest::newRow("report of another kind") << QStringList{"--report", "run.pdf"} << OneScreen
                                                << "--report: 'run.pdf' is to end in .svg or .png";
        QTest::newRow("report twice") << QStringList{"--report", "a.svg", "--report", "b.svg"}
                                      << OneScreen << "--report is given more than once" + forms;
        QTest::newRow("log to draw without a report")
            << QStringList{"--from-log", "run.csv"} << OneScreen
            << "--from-log: give --report FILE to draw the log to";
        QTest::newRow("log to draw with a run")
            << QStringList{"--report", "a.png", "--from-log", "run.csv", "--start"} << OneScreen
            << "--from-log draws a saved log and opens no window; it takes no --start";
        QTest::newRow("log to draw and a log to write")
            << QStringList{"--report", "a.png", "--log", "b.csv", "--from-log", "run.csv"}
            << OneScreen << "--from-log draws a saved log and opens no window; it takes no --log";
        QTest::newRow("marker in no corner")
            << QStringList{"--marker=middle"} << OneScreen
            << "--marker: 'middle' is no corner; give top-left, top-right, bottom-left or "
               "bottom-right";
        QTest::newRow("a word after a bare marker is no corner")
            << QStringList{"--marker", "middle"} << OneScreen
            << "Unexpected argument 'middle'" + forms;
        const QString sizes = " is not a whole number of pixels from 1 to 4096";
        QTest::newRow("marker of no size")
            << QStringList{"--marker=top-left:0"} << OneScreen << "--marker: the size '0'" + sizes;
        QTest::newRow("marker too large")
            << QStringList{"--marker=:4097"} << OneScreen << "--marker: the size '4097'" + sizes;
        QTest::newRow("marker size in words")
            << QStringList{"--marker=:big"} << OneScreen << "--marker: the size 'big'" + sizes;
        QTest::newRow("marker twice") << QStringList{"--marker", "--marker"} << OneScreen
                                      << "--marker is given more than once" + forms;
        QTest::newRow("box of no size") << QStringList{"--box", "0x10+5+5"} << OneScreen
                                        << "--box: '0x10+5+5' has no size: a box is at least 1x1";
        QTest::newRow("second box bad")
            << QStringList{"--box", "10x10", "--box=10x-10"} << OneScreen
            << "--box: '10x-10' is not a box: write WxH+X+Y (as 64x64+812+403) or WxH for one in "
               "the middle of the screen";
        QTest::newRow("box with a log to draw")
            << QStringList{"--report", "a.png", "--from-log", "run.csv", "--box", "9x9"}
            << OneScreen << "--from-log draws a saved log and opens no window; it takes no --box";
        QTest::newRow("web display not over http")
            << QStringList{"--web-display", "ftp://localhost:8080"} << OneScreen
            << "--web-display: 'ftp://localhost:8080' is no http://HOST:PORT address";
        QTest::newRow("web display with a page")
            << QStringList{"--web-display", "http://localhost:8080/index.html"} << OneScreen
            << "--web-display: 'http://localhost:8080/index.html' is to be the server alone, "
               "http://HOST:PORT";
        QTest::newRow("web display port too high")
            << QStringList{"--web-display", "http://localhost:65536"} << OneScreen
            << "--web-display: 'http://localhost:65536' is no http://HOST:PORT address";
        QTest::newRow("web display without a host")
            << QStringList{"--web-display", "8080"} << OneScreen
            << "--web-display: '8080' is no http://HOST:PORT address";
        QTest::newRow("resolve port 0") << QStringList{"--resolve", "localhost:0"} << OneScreen
                                        << "--resolve: 'localhost:0' has no port from 1 to 65535";
        QTest::newRow("resolve port in words") << QStringList{"--resolve=:http"} << OneScreen
                                               << "--resolve: ':http' has no port from 1 to 65535";
        QTest::newRow("resolve host with a path")
            << QStringList{"--resolve", "a/b:20002"} << OneScreen
            << "--resolve: 'a/b' is no host name";
        QTest::newRow("both patch programs")
            << QStringList{"--resolve", "--web-display", "http://localhost:8080"} << OneScreen
            << "--web-display and --resolve exclude each other";
        QTest::newRow("patches and the flash")
            << QStringList{"--resolve", "--start"} << OneScreen
            << "--resolve shows the patches a program sends on one screen; it takes no --start";
        QTest::newRow("patches on every screen")
            << QStringList{"--web-display", "http://localhost", "--all-screens"} << OneScreen
            << "--web-display shows the patches a program sends on one screen; it takes no "
               "--all-screens";
        QTest::newRow("a long unknown option is cut")
            << QStringList{"--" + QString(100'000, u'x')} << OneScreen
            << "Unknown option '" + QString(40, u'x') + "…'" + forms;
        QTest::newRow("a bad option before help")
            << QStringList{"--fast", "--help"} << OneScreen << "Unknown option 'fast'" + forms;
    }
    void refuses() {
        QFETCH(QStringList, given);
        QFETCH(QStringList, screens);
        QFETCH(QString, problem);
        const CommandLine line = readCommandLine(arguments(given), screens);
        QCOMPARE(int(line.action), int(CommandLine::Action::Refuse));
        QCOMPARE(line.text, problem);
        QCOMPARE(line.exitStatus, 2);
        QVERIFY(!line.text.contains(u'\n'));
    }

    void boxesAreKeptInTheirOrder() {
        const CommandLine line =
            readCommandLine(arguments({"--box", "64x64+812+403", "--box=30x20"}), std::nullopt);
        QCOMPARE(int(line.action), int(CommandLine::Action::Run));
        const std::vector<BoxGeometry> expected{{QSize(64, 64), QPoint(812, 403)},
                                                {QSize(30, 20), std::nullopt}};
        QVERIFY(line.options.boxes == expected);
    }

    void printsHelp_data() {
        QTest::addColumn<QStringList>("given");
        QTest::newRow("-h") << QStringList{"-h"};
        QTest::newRow("--help") << QStringList{"--help"};
        QTest::newRow("help before bad values") << QStringList{"--help", "--duration", "5x"};
        QTest::newRow("help before version") << QStringList{"--version", "-h"};
    }
    void printsHelp() {
        QFETCH(QStringList, given);
        const CommandLine line = readCommandLine(arguments(given), OneScreen);
        QCOMPARE(int(line.action), int(CommandLine::Action::Print));
        QCOMPARE(line.exitStatus, 0);
        QVERIFY(line.text.contains(
            QStringLiteral("Fills the whole screen with a sequence of colors.")));
        for (const char* option : {"-h, --help", "-v, --version", "--start", "--duration <TIME>",
                                   "--screen <NAME|N>", "--all-screens", "--colors <FILE>"}) {
            QVERIFY2(line.text.contains(option), qPrintable(option));
        }
        // The flash's keys, as nothing on screen tells them all.
        for (const char* key :
             {"Escape", "hide", "Space", "Right", "Page Down", "Left", "Page Up", "Home"})
            QVERIFY2(line.text.contains(QLatin1StringView(key)), key);
    }

    void printsTheVersion_data() {
        QTest::addColumn<QStringList>("given");
        QTest::newRow("-v") << QStringList{"-v"};
        QTest::newRow("--version") << QStringList{"--version"};
        QTest::newRow("with other options") << QStringList{"--start", "-v", "--screen", "9"};
    }
    void printsTheVersion() {
        QFETCH(QStringList, given);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(QLatin1StringView(ProgramVersion))
                    .hasMatch());
        const CommandLine line = readCommandLine(arguments(given), OneScreen);
        QCOMPARE(int(line.action), int(CommandLine::Action::Print));
        QCOMPARE(line.exitStatus, 0);
        QCOMPARE(line.text, QStringLiteral("chromaflick %1\n").arg(ProgramVersion));
    }
};

CHROMAFLICK_CORE_TEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
