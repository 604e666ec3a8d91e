#include "core/framelogreader.h"
#include "core/steptiming.h"
#include "core/timingchart.h"
#include "desktop.h"
#include "patchpeers.h"
#include "steplog.h"
#include "testsupport.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

const QPoint middle(960, 540);
const QColor waitingGrey(128, 128, 128);

// The colors the middle of the screen showed, each once in the order they came, until done.
QList<QColor> colorsShownUntil(const std::function<bool()>& done, int milliseconds) {
    QList<QColor> shown;
    QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired()) {
        const QColor now = pixelAt(middle);
        if (shown.isEmpty() || shown.last() != now)
            shown << now;
        QTest::qWait(10);
    }
    return shown;
}

void leave(RunningProgram& program) {
    const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
    xdotool({"mousemove", QString::number(centre.x()), QString::number(centre.y())});
    xdotool({"key", "Escape"});
    QCOMPARE(program.exitCode(10000), 0);
}

} // namespace

class PatchWindowEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void init() { resetStore({{"Colors", "RGB(0, 0, 0)" + StoredSeparator}}); }

    // The real ArgyllCMS serves its colors in turn; each one's request for the next reaches the
    // server only after the log says the color was shown: told by the display where the frame
    // lock presents, after the paint that showed it where it cannot (a screen of 16 bits).
    void argyllWebDisplayShowsEveryColorInOrderBeforeAskingOn() {
        const bool presented = screenDepth() >= 24;
        const QColor grey = asShownOnThisScreen(waitingGrey);
        QTemporaryDir dir;
        const QString logPath = dir.filePath("patches.csv");
        ArgyllColors argyll(dir.filePath("requests.txt"));
        QVERIFY(argyll.start());
        RunningProgram program;
        program.setArguments({"--web-display", argyll.url(), "--log", logPath});
        QVERIFY(program.start());
        const QList<QColor> shown = colorsShownUntil([&] { return argyll.finished(); }, 60000);
        QVERIFY2(argyll.endedWell(), "dispwin did not come to its end");
        // Once the server is gone the window waits in grey again.
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(middle), grey, 10000);
        // From the patch window's first picture on: before it, the main window was there.
        QList<QColor> patches = shown;
        while (!patches.isEmpty() && patches.first() != grey &&
               patches.first() != QColor(255, 0, 0))
            patches.removeFirst();
        patches.removeAll(grey);
        QStringList names;
        for (const QColor& color : shown)
            names << color.name();
        QList<QColor> expected;
        for (const QColor& color : ArgyllColors::colors())
            expected << asShownOnThisScreen(color);
        QVERIFY2(patches == expected, qPrintable(names.join(' ')));
        leave(program);

        const QList<LogRow> rows = readStepLog(logPath);
        QStringList logged;
        for (const LogRow& row : rows)
            logged << row.first;
        // The server answers the last request once more with its last color as it ends.
        QVERIFY2(logged.size() >= 3, qPrintable(logged.join(' ')));
        QCOMPARE(logged.mid(0, 3), (QStringList{"#ff0000", "#008000", "#0000ff"}));
        const QString fault = argyll.acknowledgementFault(rows, presented);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
    }

    // DisplayCAL's own 10-bit Resolve server: a patch of a tenth of the screen over a
    // background, then a full-screen one.
    void displayCalResolvePatchesHaveExactEdgesAndColors() {
        QTemporaryDir dir;
        const QString package = QStringLiteral(DISPLAYCAL_DIR);
        if (!QFile::exists(package + "/DisplayCAL/patterngenerators.py"))
            QFAIL("DisplayCAL's package is not unpacked; run tests/e2e/patch/displaycal.sh");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("PYTHONPATH", package);
        const int port = freshPort();
        const QString goOn = dir.filePath("next");
        std::unique_ptr<QProcess> server =
            startPatchScript("displaycalserver.py", {QString::number(port), goOn}, environment);
        QVERIFY(server);
        const QString logPath = dir.filePath("patches.csv");
        RunningProgram program;
        const QString reportPath = dir.filePath("timing.svg");
        program.setArguments({"--resolve", QStringLiteral("127.0.0.1:%1").arg(port), "--log",
                              logPath, "--report", reportPath});
        QVERIFY(program.start());
        // 1920 x 1080: 0.45 to 0.55 of each side is columns 864 to 1055, rows 486 to 593.
        // DisplayCAL sends red 1023 over 256, 512, 767 of 1023, nearest 8-bit 64, 128, 191.
        const QColor red(255, 0, 0);
        const QColor background(64, 128, 191);
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(middle), red, 15000);
        const QImage shot = screenshot();
        saveForLooking(shot, "resolve-patch");
        const QRect patch(864, 486, 192, 108);
        for (const QPoint& corner :
             {patch.topLeft(), patch.topRight(), patch.bottomLeft(), patch.bottomRight()}) {
            QCOMPARE(shot.pixelColor(corner), red);
            for (const QPoint& step : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
                if (!patch.contains(corner + step))
                    QCOMPARE(shot.pixelColor(corner + step), background);
            }
        }
        QCOMPARE(shot.pixelColor(1919, 1079), background);
        QFile(goOn).open(QIODevice::WriteOnly);
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt({0, 1079}), QColor(0, 0, 255), 10000);
        QCOMPARE(pixelAt({1919, 0}), QColor(0, 0, 255));
        leave(program);
        stopPeer(server.get());
        const QList<LogRow> rows = readStepLog(logPath);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].first + ' ' + rows[0].second, QStringLiteral("#ff0000 #4080bf"));
        QCOMPARE(rows[1].first + ' ' + rows[1].second, QStringLiteral("#0000ff #ffffff"));
        // The timing report holds the patches' rows as it does a flash's.
        QStringList figures;
        static const QRegularExpression figure("class=\"figure\"[^>]*>([^<]*)</text>");
        for (const QRegularExpressionMatch& match :
             figure.globalMatch(QString::fromUtf8(fileBytes(reportPath))))
            figures << match.captured(1);
        QVERIFY2(figures.contains("steps: 2"), qPrintable(figures.join(u'|')));
        QCOMPARE(figures,
                 timingFigures(measureStepTiming(readFrameLog(fileBytes(logPath)).steps).front()));
    }

    // A 30-bit screen shows 10-bit levels as they are; a 24-bit one the nearest 8-bit levels,
    // and says so once.
    void tenBitLevelsAtTheScreensDepth() {
        const int port = freshPort();
        std::unique_ptr<QProcess> server = startPatchScript(
            "resolveserver.py",
            {QString::number(port),
             R"(<?xml version="1.0" encoding="utf-8"?><calibration><color red="1023" )"
             R"(green="513" blue="2" bits="10"/><background red="3" green="700" blue="1020" )"
             R"(bits="10"/><geometry x="0.25" y="0.25" cx="0.5" cy="0.5"/></calibration>)"});
        QVERIFY(server);
        RunningProgram program;
        program.setArguments({"--resolve", QStringLiteral("127.0.0.1:%1").arg(port)});
        QVERIFY(program.start());
        const QPoint centre = QGuiApplication::primaryScreen()->geometry().center();
        // Clear of the status line at the top left, drawn over the background at 8 bits.
        const QPoint corner = QGuiApplication::primaryScreen()->geometry().bottomRight();
        const QString rounding = "10-bit levels are rounded to the nearest 8-bit level";
        if (screenDepth() == 30) {
            QTRY_COMPARE_WITH_TIMEOUT(pixelValueAt(centre), 1023u << 20 | 513u << 10 | 2u, 15000);
            QCOMPARE(pixelValueAt(corner), 3u << 20 | 700u << 10 | 1020u);
            QVERIFY(!program.output().contains(rounding));
        } else {
            // 513 * 255 / 1023 = 127.9 and 2 * 255 / 1023 = 0.499; 3, 700 and 1020 give 0.75,
            // 174.49 and 254.25.
            QTRY_COMPARE_WITH_TIMEOUT(pixelAt(centre), QColor(255, 128, 0), 15000);
            QCOMPARE(pixelAt(corner), QColor(1, 174, 254));
            QCOMPARE(program.output().count(rounding), 1);
        }
        leave(program);
        stopPeer(server.get());
    }

    // Each server misbehaves once, and the window tells it, stays, and takes the next
    // connection's orange patch.
    void aBadServerIsToldAndSurvived_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("told");
        QTest::newRow("garbage instead of HTTP") << "web-garbage"
                                                 << "is no HTTP";
        QTest::newRow("no color") << "web-no-color"
                                  << "is no #RRGGBB color";
        QTest::newRow("an error status") << "web-not-found"
                                         << "answered \"HTTP/1.1 404";
        QTest::newRow("web answer cut off") << "web-closes-mid-message"
                                            << "closed the connection in the middle";
        QTest::newRow("web answer stalls") << "web-stalls-mid-message"
                                           << "stopped in the middle of its answer";
        QTest::newRow("over 1 MiB") << "resolve-too-long"
                                    << "more than the 1048576";
        QTest::newRow("malformed XML") << "resolve-malformed"
                                       << "no well-formed XML";
        QTest::newRow("level out of range") << "resolve-out-of-range"
                                            << "from 0 to 1023";
        QTest::newRow("not calibration") << "resolve-not-calibration"
                                         << "not <calibration>";
        QTest::newRow("message cut off") << "resolve-closes-mid-message"
                                         << "closed the connection in the middle";
        QTest::newRow("message stalls") << "resolve-stalls-mid-message"
                                        << "stopped in the middle of a message";
    }
    void aBadServerIsToldAndSurvived() {
        QFETCH(QString, kind);
        QFETCH(QString, told);
        const int port = freshPort();
        std::unique_ptr<QProcess> server =
            startPatchScript("badservers.py", {kind, QString::number(port)});
        QVERIFY(server);
        RunningProgram program;
        program.setArguments({kind.startsWith("web") ? "--web-display" : "--resolve",
                              kind.startsWith("web")
                                  ? QStringLiteral("http://127.0.0.1:%1").arg(port)
                                  : QStringLiteral("127.0.0.1:%1").arg(port)});
        QVERIFY(program.start());
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(middle), QColor(255, 128, 0), 15000);
        QString output = program.output();
        QVERIFY2(output.count(told) == 1, qPrintable(output));
        QVERIFY2(output.contains("connecting again"), qPrintable(output));
        leave(program);
        stopPeer(server.get());
    }

    // A server that takes the connection and says nothing leaves the window grey and answering.
    void aSilentServerLeavesTheWindowAnswering_data() {
        QTest::addColumn<QString>("option");
        QTest::newRow("web display") << "--web-display";
        QTest::newRow("Resolve") << "--resolve";
    }
    void aSilentServerLeavesTheWindowAnswering() {
        QFETCH(QString, option);
        const int port = freshPort();
        const bool web = option == "--web-display";
        std::unique_ptr<QProcess> server = startPatchScript(
            "badservers.py", {web ? "web-silent" : "resolve-silent", QString::number(port)});
        QVERIFY(server);
        RunningProgram program;
        program.setArguments({option, web ? QStringLiteral("http://127.0.0.1:%1").arg(port)
                                          : QStringLiteral("127.0.0.1:%1").arg(port)});
        QVERIFY(program.start());
        QTRY_COMPARE_WITH_TIMEOUT(pixelAt(middle), waitingGrey, 10000);
        // Past the stall limit: a server that has begun no message is not stalled.
        QTest::qWait(3500);
        QCOMPARE(pixelAt(middle), waitingGrey);
        leave(program);
        stopPeer(server.get());
    }
};

QTEST_MAIN(PatchWindowEndToEnd)
#include "tst_e2e_patchwindow.moc"
