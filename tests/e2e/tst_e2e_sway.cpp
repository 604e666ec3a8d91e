#include "desktop.h"
#include "flashimage.h"
#include "steplog.h"
#include "sway.h"
#include "testsupport.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QColor red(255, 0, 0);
const QColor blue(0, 0, 255);
const QSize outputSize(1280, 720);
const QString first = QStringLiteral("HEADLESS-1");
const QString second = QStringLiteral("HEADLESS-2");
const QString flashTitle = QStringLiteral("Chromaflick color flash");

QList<Sway::Window> flashesIn(const QList<Sway::Window>& windows) {
    QList<Sway::Window> flashes;
    for (const Sway::Window& window : windows)
        if (window.title == flashTitle)
            flashes << window;
    return flashes;
}

// Every output in the list holds one flash that covers it, full screen.
bool flashesCover(const QList<Sway::Window>& windows, const QStringList& outputs) {
    const QList<Sway::Window> flashes = flashesIn(windows);
    if (flashes.size() != outputs.size())
        return false;
    for (const Sway::Window& flash : flashes)
        if (!outputs.contains(flash.output) || !flash.fullScreen || flash.rect.size() != outputSize)
            return false;
    return true;
}

bool noFlash(const QList<Sway::Window>& windows) {
    return !windows.isEmpty() && flashesIn(windows).isEmpty();
}

// The lines that tell a whole fill from a part one, away from the hint in the top-left corner.
QString lineDifferences(const QImage& shown, const QImage& expected) {
    QStringList found;
    const QRect lines[] = {QRect(outputSize.width() - 1, 0, 1, outputSize.height()),
                           QRect(0, outputSize.height() - 1, outputSize.width(), 1),
                           QRect(0, outputSize.height() / 2, outputSize.width(), 1)};
    for (const QRect& line : lines) {
        const QString difference = differences(shown.copy(line), expected.copy(line));
        if (!difference.isEmpty())
            found << difference;
    }
    return found.join('\n');
}

QImage waitForOutput(const QString& output, const std::function<bool(const QImage&)>& state) {
    return waitForScreen([&] { return Sway::screenshot(output); }, state);
}

void storeSolid(const QColor& color, int delay = 1000) {
    storeSolidCycle(
        {QStringLiteral("RGB(%1, %2, %3)").arg(color.red()).arg(color.green()).arg(color.blue())},
        delay);
}

} // namespace

class SwayEndToEnd : public QObject {
    Q_OBJECT
private:
    // The main window closed as sway's kill binding closes it; the exit code, or -1.
    static int closeMainWindow(RunningProgram& program) {
        Sway::message({QStringLiteral("[pid=%1] kill").arg(program.processId())});
        return program.exitCode();
    }

    static void launchOn(RunningProgram& program, const QString& output,
                         const QStringList& arguments) {
        QVERIFY(!Sway::message({"focus", "output", output}).isNull());
        Sway::host(program);
        program.setArguments(arguments);
        program.launch();
    }

private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("SWAYSOCK"), "run beside sway (headless-sway.sh)");
    }

    void stepPixelsAreExact_data() {
        QTest::addColumn<bool>("gradient");
        QTest::newRow("solid") << false;
        QTest::newRow("gradient") << true;
    }
    void stepPixelsAreExact() {
        QFETCH(bool, gradient);
        if (gradient)
            storeGradientCycle({"RGB(255, 0, 0)", "RGB(0, 0, 255)"}, 1000, false);
        else
            storeSolid(blue);
        RunningProgram program;
        launchOn(program, first, {"--start"});
        QVERIFY2(!Sway::waitForWindows(
                      program.processId(),
                      [](const auto& windows) { return flashesCover(windows, {first}); })
                      .isEmpty(),
                 qPrintable(program.output()));
        const QImage shot = waitForOutput(first, [](const QImage& shot) {
            const QColor corner(shot.pixel(outputSize.width() - 1, outputSize.height() - 1));
            return corner == red || corner == blue;
        });
        QVERIFY(!shot.isNull());
        saveForLooking(shot, gradient ? "sway-flash-gradient" : "sway-flash-solid");
        QCOMPARE(shot.size(), outputSize);
        if (gradient) {
            // Red and blue take turns, so either pair may be showing.
            const QString againstFirst =
                lineDifferences(shot, paintedGradient(outputSize, red, blue, false));
            const QString againstSecond =
                lineDifferences(shot, paintedGradient(outputSize, blue, red, false));
            QVERIFY2(againstFirst.isEmpty() || againstSecond.isEmpty(),
                     qPrintable(againstFirst + "\nor else\n" + againstSecond));
        } else {
            QCOMPARE(lineDifferences(shot, solidScreen(outputSize, blue)), QString());
            QVERIFY(hintShows(shot));
        }
        Sway::pressKey("Escape");
        QVERIFY(!Sway::waitForWindows(program.processId(), noFlash).isEmpty());
        QCOMPARE(closeMainWindow(program), 0);
    }

    // Whatever the compositor answers for a step, the log has its row, and the summary tells what
    // was reported apart from what was not.
    void lockedFlashGivesEveryStepItsRow() {
        // Close colors: no flash warning at this pace.
        storeSolidCycle({"RGB(60, 60, 60)", "RGB(62, 62, 62)", "RGB(64, 64, 64)"}, 1000);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        RunningProgram program;
        launchOn(program, first, {"--start", "--frames", "2", "--duration", "3", "--log", log});
        const QRegularExpression summaryLine("flash: (\\d+) steps[^\n]*\n");
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT((said += program.output()).contains(summaryLine), 30000);
        QVERIFY2(!said.contains("no way to hold"), qPrintable(said));
        const QString summary = summaryLine.match(said).captured(0);
        QList<LogRow> rows = readStepLog(log);
        // A row is written when its step's fate is known, which need not be in step order.
        std::stable_sort(rows.begin(), rows.end(),
                         [](const LogRow& a, const LogRow& b) { return a.step < b.step; });
        // About 60 frames a second, so 3 s of steps held 2 frames each.
        QVERIFY2(rows.size() >= 30, qPrintable(QString::number(rows.size()) + ": " + summary));
        int presented = 0;
        int skipped = 0;
        int unconfirmed = 0;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].step, int(i + 1));
            if (rows[i].missed == u"missed") {
                ++unconfirmed;
                QVERIFY(!rows[i].targetMsc && !rows[i].shownMsc);
            } else if (rows[i].missed == u"skipped") {
                ++skipped;
            } else {
                ++presented;
            }
        }
        qInfo("sway: %d steps presented, %d discarded, %d unreported", presented, skipped,
              unconfirmed);
        QCOMPARE(summaryLine.match(said).captured(1).toInt(), presented + skipped);
        const QRegularExpressionMatch told =
            QRegularExpression(", (\\d+) unconfirmed").match(summary);
        QCOMPARE(told.hasMatch() ? told.captured(1).toInt() : 0, unconfirmed);
        QCOMPARE(closeMainWindow(program), 0);
    }

    // With the main window on the second output, the flash opens there, holds the keyboard and
    // leaves with Escape.
    void flashOpensOnTheMainWindowsOutput() {
        if (Sway::message({"-t", "get_outputs"}).count("\"name\"") < 2)
            QVERIFY(!Sway::message({"create_output"}).isNull());
        QVERIFY(
            !Sway::message({"output", second, "resolution", "1280x720", "position", "1280", "0"})
                 .isNull());
        storeSolid(red);
        RunningProgram program;
        launchOn(program, second, {"--start"});
        const QList<Sway::Window> windows =
            Sway::waitForWindows(program.processId(), [](const auto& windows) {
                return flashesCover(windows, {second}) && flashesIn(windows).front().focused;
            });
        QVERIFY2(!windows.isEmpty(), qPrintable(program.output()));
        const QImage shot = waitForOutput(second, [](const QImage& shot) {
            return QColor(shot.pixel(outputSize.width() - 1, outputSize.height() - 1)) == red;
        });
        QVERIFY(!shot.isNull());
        QCOMPARE(lineDifferences(shot, solidScreen(outputSize, red)), QString());
        Sway::pressKey("Escape");
        QVERIFY(!Sway::waitForWindows(program.processId(), noFlash).isEmpty());
        QCOMPARE(closeMainWindow(program), 0);
    }

    // Every output shows the flash, and a key in the flash of either one acts on all.
    void allScreensAnswerKeysOnEveryOutput_data() {
        QTest::addColumn<QString>("keyedOutput");
        QTest::newRow("first output") << first;
        QTest::newRow("second output") << second;
    }
    void allScreensAnswerKeysOnEveryOutput() {
        QFETCH(QString, keyedOutput);
        if (Sway::message({"-t", "get_outputs"}).count("\"name\"") < 2)
            QVERIFY(!Sway::message({"create_output"}).isNull());
        QVERIFY(
            !Sway::message({"output", second, "resolution", "1280x720", "position", "1280", "0"})
                 .isNull());
        storeSolid(blue, 100);
        RunningProgram program;
        launchOn(program, second, {"--start", "--all-screens"});
        const QList<Sway::Window> windows =
            Sway::waitForWindows(program.processId(), [](const auto& windows) {
                return flashesCover(windows, {first, second});
            });
        QVERIFY2(!windows.isEmpty(), qPrintable(program.output()));
        for (const QString& output : {first, second}) {
            const QImage shot = waitForOutput(output, [](const QImage& shot) {
                return QColor(shot.pixel(outputSize.width() - 1, 0)) == blue;
            });
            QVERIFY2(!shot.isNull(), qPrintable(output));
            QCOMPARE(lineDifferences(shot, solidScreen(outputSize, blue)), QString());
        }
        for (const Sway::Window& flash : flashesIn(windows))
            if (flash.output == keyedOutput)
                QVERIFY(
                    !Sway::message({QStringLiteral("[con_id=%1] focus").arg(flash.id)}).isNull());
        QVERIFY(!Sway::waitForWindows(program.processId(), [&](const auto& windows) {
                     for (const Sway::Window& flash : flashesIn(windows))
                         if (flash.output == keyedOutput && flash.focused)
                             return true;
                     return false;
                 }).isEmpty());
        // "hide" typed there hides the hint on both outputs.
        for (const char* letter : {"h", "i", "d", "e"})
            Sway::pressKey(letter);
        for (const QString& output : {first, second})
            QVERIFY2(!waitForOutput(output, [](const QImage& shot) { return !hintShows(shot); })
                          .isNull(),
                     qPrintable(output));
        Sway::pressKey("Escape");
        QVERIFY(!Sway::waitForWindows(program.processId(), noFlash).isEmpty());
        QCOMPARE(closeMainWindow(program), 0);
    }

    // swayidle's timeout does not fire while the flash is open, and fires after it closes.
    void idleIsHeldOffDuringTheFlash() {
        const int timeoutSeconds = 2;
        QTemporaryDir folder;
        const QString idled = folder.filePath("idled");
        QProcess idle;
        idle.start("swayidle",
                   {"-w", "timeout", QString::number(timeoutSeconds), "touch " + idled});
        QVERIFY(idle.waitForStarted());
        storeSolid(blue);
        RunningProgram program;
        launchOn(program, first, {"--start"});
        QVERIFY2(!Sway::waitForWindows(program.processId(),
                                       [](const auto& windows) {
                                           return flashesCover(windows, {first}) &&
                                                  flashesIn(windows).front().inhibitsIdle;
                                       })
                      .isEmpty(),
                 qPrintable(program.output()));
        // Twice the timeout with no input: only the flash's inhibitor keeps it away.
        QFile::remove(idled);
        QTest::qWait(2 * timeoutSeconds * 1000);
        QVERIFY2(!QFile::exists(idled), "idle fired during the flash");
        Sway::pressKey("Escape");
        QVERIFY(!Sway::waitForWindows(program.processId(), noFlash).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(idled), 4 * timeoutSeconds * 1000);
        QCOMPARE(closeMainWindow(program), 0);
        idle.terminate();
        idle.waitForFinished(5000);
    }
};

CHROMAFLICK_TEST_MAIN(SwayEndToEnd)
#include "tst_e2e_sway.moc"
