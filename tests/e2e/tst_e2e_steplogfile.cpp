#include "desktop.h"
#include "steplog.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Close enough to raise no flash warning at any rate.
const QStringList gentle{"RGB(60, 60, 60)", "RGB(62, 62, 62)", "RGB(64, 64, 64)"};

QString storeFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Varnhollow.ini";
}

// The lines the program told, its own: Qt's warnings about the environment may come too.
QStringList toldLines(const QString& said) {
    return said.split('\n').filter(QRegularExpression("^chromaflick: "));
}

bool waitForRows(const QString& log, const std::function<bool(const QList<LogRow>&)>& enough,
                 int milliseconds = 30000) {
    QDeadlineTimer deadline(milliseconds);
    while (!enough(readStepLog(log)) && !deadline.hasExpired())
        QTest::qWait(50);
    return enough(readStepLog(log));
}

// A small disk of its own for the log, gone with the object.
class SmallDisk {
public:
    SmallDisk() {
        mounted_ =
            folder_.isValid() && ::mount("tmpfs", QFile::encodeName(folder_.path()).constData(),
                                         "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount(QFile::encodeName(folder_.path()).constData());
    }
    bool isMounted() const { return mounted_; }
    QString filePath(const QString& name) const { return folder_.filePath(name); }
    // Fills what room is left with a file; whether the disk is full.
    bool fill(const QString& name) const {
        QFile filler(filePath(name));
        if (!filler.open(QIODevice::WriteOnly))
            return false;
        const QByteArray page(4096, 'x');
        while (filler.write(page) == page.size() && filler.flush()) {
        }
        return filler.error() != QFile::NoError;
    }

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
};

} // namespace

class StepLogFileEndToEnd : public QObject {
    Q_OBJECT
private slots:
    // However the path reaches it, a log over the settings or the palette of the run is refused
    // in one line before anything is read, and every file keeps its bytes and its time.
    void aLogOverAFileTheRunReadsIsRefused_data() {
        QTest::addColumn<QString>("log");
        QTest::addColumn<QString>("named");
        QTest::newRow("the settings, linked") << "settings link"
                                              << "'settings-link.csv' is the "
                                                 "program's settings file";
        QTest::newRow("the settings, hard link")
            << "settings hard link"
            << "'settings-hard.csv' is the program's settings file";
        QTest::newRow("the palette, through ..")
            << "palette"
            << "'colors.txt' is the palette given with --colors";
        QTest::newRow("a name that is not UTF-8")
            << "not UTF-8"
            << "is not UTF-8 text, so no log can be written under it";
    }
    void aLogOverAFileTheRunReadsIsRefused() {
        QFETCH(QString, log);
        QFETCH(QString, named);
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator}});
        const QByteArray settings = fileBytes(storeFile());
        QTemporaryDir folder;
        const QString palette = folder.filePath("colors.txt");
        QVERIFY(putFile(palette, "#102030\n"));
        QVERIFY(QDir(folder.path()).mkdir("sub"));
        QString logPath;
        if (log == "settings link") {
            logPath = folder.filePath("settings-link.csv");
            QVERIFY(QFile::link(storeFile(), logPath));
        } else if (log == "settings hard link") {
            logPath = folder.filePath("settings-hard.csv");
            QCOMPARE(::link(QFile::encodeName(storeFile()), QFile::encodeName(logPath)), 0);
        } else if (log == "palette") {
            logPath = folder.filePath("sub/../colors.txt");
        }
        const QDateTime before = QFileInfo(storeFile()).lastModified();
        const QDateTime paletteBefore = QFileInfo(palette).lastModified();
        const QStringList entriesBefore = QDir(folder.path()).entryList(QDir::AllEntries);
        QTest::qWait(20);
        // A name in bytes that are not UTF-8 comes only through a shell.
        QProcess program;
        program.setProcessChannelMode(QProcess::MergedChannels);
        if (log == "not UTF-8")
            program.start("/bin/sh", {"-c",
                                      "exec \"$0\" --colors \"$1\" --log \"$2$(printf "
                                      "'\\377').csv\"",
                                      CHROMAFLICK_BINARY, palette, folder.filePath("steps")});
        else
            program.start(CHROMAFLICK_BINARY, {"--colors", palette, "--log", logPath});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
        const QString said = QString::fromLocal8Bit(program.readAll());
        const QStringList told = toldLines(said);
        QVERIFY2(told.size() == 1 && told[0].startsWith("chromaflick: --log: ") &&
                     told[0].contains(named),
                 qPrintable(said));
        QCOMPARE(fileBytes(storeFile()), settings);
        QCOMPARE(QFileInfo(storeFile()).lastModified(), before);
        QCOMPARE(fileBytes(palette), "#102030\n");
        QCOMPARE(QFileInfo(palette).lastModified(), paletteBefore);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries), entriesBefore);
    }

    // A run that opens no flash leaves the log of an earlier run as it was.
    void anExistingLogStaysWhenNoFlashOpens_data() {
        QTest::addColumn<bool>("warningAnsweredNo");
        QTest::newRow("the window closed") << false;
        QTest::newRow("the warning answered No") << true;
    }
    void anExistingLogStaysWhenNoFlashOpens() {
        QFETCH(bool, warningAnsweredNo);
        storeSolidCycle({"RGB(255, 255, 255)", "RGB(0, 0, 0)"}, 50);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        const QByteArray earlier = "an earlier run\n";
        QVERIFY(putFile(log, earlier));
        RunningProgram program;
        program.setArguments(warningAnsweredNo ? QStringList{"--start", "--log", log}
                                               : QStringList{"--log", log});
        QVERIFY(program.start());
        if (warningAnsweredNo) {
            const unsigned long box = waitForOtherWindow("^Chromaflick$", program.mainWindowId());
            QVERIFY(box);
            // No is the box's default.
            pressKeyIn(box, "Return");
            QVERIFY(waitUntilHidden(box));
        }
        QCOMPARE(fileBytes(log), earlier);
        QCOMPARE(program.closeMainWindow(), 0);
        QCOMPARE(fileBytes(log), earlier);
    }

    // A second program given the log of one that writes it is refused in one line, and the
    // first one's rows go on whole.
    void aSecondProgramOnTheSameLogIsRefused() {
        storeSolidCycle(gentle, 50);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        QVERIFY(putFile(log, "an earlier run\n"));
        RunningProgram first;
        first.setArguments({"--start", "--log", log});
        QVERIFY(first.start());
        QVERIFY(waitForRows(log, [](const QList<LogRow>& rows) { return rows.size() >= 3; }));
        RunningProgram second;
        second.setArguments({"--start", "--log", log});
        second.launch();
        QVERIFY(second.waitForEnd());
        QCOMPARE(second.exitCode(), 2);
        const QString said = second.output();
        QVERIFY2(toldLines(said) ==
                     QStringList{"chromaflick: --log: 'steps.csv' is locked by another program "
                                 "that writes it"},
                 qPrintable(said));
        const int seen = int(readStepLog(log).size());
        QVERIFY(waitForRows(log,
                            [seen](const QList<LogRow>& rows) { return rows.size() >= seen + 3; }));
        QCOMPARE(first.endWith(SIGTERM), 0);
        const QList<LogRow> rows = readStepLog(log);
        for (int i = 0; i < rows.size(); ++i)
            QCOMPARE(rows[i].step, i + 1);
    }

    // Not there at either's start, the log is the first flash's: the other program's flash does
    // not open, and it ends as if refused at its start.
    void aSecondProgramIsRefusedAtItsFlashWhenTheLogWasNotThereYet() {
        storeSolidCycle(gentle, 50);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        RunningProgram waiting;
        waiting.setArguments({"--log", log});
        QVERIFY(waiting.start());
        RunningProgram flashing;
        flashing.setArguments({"--start", "--duration", "1", "--log", log});
        QVERIFY(flashing.start());
        QVERIFY(waitForRows(log, [](const QList<LogRow>& rows) { return rows.size() >= 3; }));
        // Back to the main windows once the timed flash has closed.
        QString flashingSaid;
        QTRY_VERIFY_WITH_TIMEOUT(
            (flashingSaid += flashing.output()).contains(QRegularExpression("flash: \\d+ steps")),
            15000);
        const QByteArray written = fileBytes(log);
        // Both main windows stand in the middle of the screen; the later one is on top.
        xdotool({"windowraise", QString::number(waiting.mainWindowId())});
        clickAt(startButtonOf(waiting.mainWindowGeometry().topLeft()));
        QCOMPARE(waiting.exitCode(), 2);
        const QString said = waiting.output();
        QVERIFY2(toldLines(said) ==
                     QStringList{"chromaflick: --log: 'steps.csv' is locked by another program "
                                 "that writes it"},
                 qPrintable(said));
        QCOMPARE(fileBytes(log), written);
        QCOMPARE(flashing.closeMainWindow(), 0);
    }

    // A disk that fills and frees again: whole lines, one line that counts the rows left out,
    // exactly as many as are missing, and stderr telling both.
    void aFullDiskLeavesWholeLinesAndCountsTheRowsLeftOut() {
        SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("no tmpfs could be mounted: the full disk needs root");
        storeSolidCycle(gentle, 20);
        const QString log = disk.filePath("steps.csv");
        RunningProgram program;
        program.setArguments({"--start", "--frames", "1", "--log", log});
        QVERIFY(program.start());
        QVERIFY(waitForRows(log, [](const QList<LogRow>& rows) { return rows.size() >= 5; }));
        QVERIFY(disk.fill("filler"));
        QString said;
        QDeadlineTimer deadline(30000);
        while (!said.contains("rows are left out") && !deadline.hasExpired()) {
            QTest::qWait(50);
            said += program.output();
        }
        QVERIFY2(said.contains("chromaflick: the log 'steps.csv' could not be written: No space "
                               "left on device; rows are left out until it can be, then a line "
                               "counts them\n"),
                 qPrintable(said));
        QVERIFY(QFile::remove(disk.filePath("filler")));
        const auto lostAndMore = [](const QList<LogRow>& rows) {
            for (qsizetype i = 0; i < rows.size(); ++i) {
                if (rows[i].missed.startsWith("lost "))
                    return rows.size() >= i + 4;
            }
            return false;
        };
        QVERIFY(waitForRows(log, lostAndMore));
        QCOMPARE(program.endWith(SIGTERM), 0);
        said += program.output();
        const QByteArray bytes = fileBytes(log);
        QVERIFY(bytes.endsWith('\n'));
        const QList<LogRow> rows = readStepLog(log);
        QVERIFY(!rows.isEmpty());
        qsizetype lost = -1;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            if (rows[i].missed.startsWith("lost ")) {
                QCOMPARE(lost, -1);
                lost = i;
            }
        }
        QVERIFY(lost > 0 && lost + 1 < rows.size());
        const LogRow& gap = rows[lost];
        const int count = gap.missed.mid(5).toInt();
        QVERIFY(count >= 1);
        QVERIFY(bytes.contains(QStringLiteral("\n%1,%2,,,,,,lost %3\n")
                                   .arg(gap.step)
                                   .arg(gap.screen)
                                   .arg(count)
                                   .toUtf8()));
        QCOMPARE(gap.screen, rows[lost - 1].screen);
        // One screen: every step has its row, so the count is exactly the steps missing.
        QCOMPARE(gap.step, rows[lost - 1].step + 1);
        QCOMPARE(rows[lost + 1].step, gap.step + count);
        for (qsizetype i = 1; i < rows.size(); ++i) {
            if (i != lost && i != lost + 1)
                QCOMPARE(rows[i].step, rows[i - 1].step + 1);
        }
        QVERIFY2(said.contains(QString("chromaflick: the log 'steps.csv' is written again; rows "
                                       "left out: %1\n")
                                   .arg(count)),
                 qPrintable(said));
    }
};

CHROMAFLICK_TEST_MAIN(StepLogFileEndToEnd)
#include "tst_e2e_steplogfile.moc"
