#include "core/framelogreader.h"
#include "platform/framelogclaim.h"
#include "platform/framelogfile.h"
#include "platform/regularfile.h"
#include "testsupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

StepShown row(int step) {
    StepShown shown;
    shown.step = step;
    shown.screen = QStringLiteral("HDMI-1");
    shown.firstColor = 0x0000ff;
    shown.shownUs = 1000000 + step;
    return shown;
}

// What the code under test writes on stderr, caught in a pipe while it lives: no file, so that
// a limit on file sizes does not reach it.
class CaughtStderr {
public:
    CaughtStderr() : saved_(::dup(STDERR_FILENO)) {
        std::fflush(stderr);
        QCOMPARE(::pipe2(ends_, O_NONBLOCK | O_CLOEXEC), 0);
        ::dup2(ends_[1], STDERR_FILENO);
    }
    ~CaughtStderr() {
        release();
        ::close(ends_[0]);
    }
    QStringList lines() {
        release();
        QByteArray said;
        char buffer[4096];
        for (ssize_t got; (got = ::read(ends_[0], buffer, sizeof buffer)) > 0;)
            said.append(buffer, got);
        return QString::fromUtf8(said).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    void release() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        ::close(ends_[1]);
        saved_ = -1;
    }
    int saved_;
    int ends_[2] = {-1, -1};
};

// Files past this size cannot grow, as on a full disk; the signal a write past it sends is
// ignored, so that the write fails instead.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        set(bytes);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    void lift() { ::setrlimit(RLIMIT_FSIZE, &saved_); }
    void set(rlim_t bytes) {
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    }
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace

class FrameLogFileTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(folder_.isValid()); }

    // However the path reaches the file, a log over what the run reads or keeps is refused, and
    // the file keeps its bytes.
    void aLogOverAFileTheRunReadsOrKeepsIsRefused_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reachedAs"); // by name, a link, a hard link or through ".."
        QTest::addColumn<QString>("problem");
        const QString settings = settingsFile();
        const QString palette = folder_.filePath("colors.gpl");
        const QString isSettings = "is the program's settings file; the log would write over it";
        const QString isKept = "is a file the program keeps beside its settings; the log would "
                               "write over it";
        const QString isPalette = "is the palette given with --colors; the log would write over it";
        QTest::newRow("settings") << settings << "name" << isSettings;
        QTest::newRow("settings, linked") << settings << "link" << isSettings;
        QTest::newRow("settings, hard link") << settings << "hard link" << isSettings;
        QTest::newRow("settings, dot dot") << settings << ".." << isSettings;
        QTest::newRow("damaged copy") << settings + ".damaged"
                                      << "link" << isKept;
        QTest::newRow("before-colors copy") << settings + ".before-colors"
                                            << "name" << isKept;
        QTest::newRow("uncut copy") << settings + ".uncut"
                                    << ".." << isKept;
        QTest::newRow("palette") << palette << "name" << isPalette;
        QTest::newRow("palette, hard link") << palette << "hard link" << isPalette;
        QTest::newRow("palette, linked") << palette << "link" << isPalette;
    }
    void aLogOverAFileTheRunReadsOrKeepsIsRefused() {
        QFETCH(QString, target);
        QFETCH(QString, reachedAs);
        QFETCH(QString, problem);
        const QByteArray kept = "[Chromaflick]\nColors=\"RGB(1, 2, 3)\"\n";
        QVERIFY(putFile(target, kept));
        QString path = target;
        const QString other = folder_.filePath("other");
        QFile::remove(other);
        if (reachedAs == "link") {
            QVERIFY(QFile::link(target, other));
            path = other;
        } else if (reachedAs == "hard link") {
            QCOMPARE(::link(QFile::encodeName(target), QFile::encodeName(other)), 0);
            path = other;
        } else if (reachedAs == "..") {
            const QFileInfo info(target);
            QVERIFY(QDir(info.path()).mkpath("sub"));
            path = info.path() + "/sub/../" + info.fileName();
        }
        LaunchOptions options;
        options.logPath = path;
        options.colorsFile = folder_.filePath("colors.gpl");
        FrameLogFile log;
        QCOMPARE(claimFrameLog(log, options), shownFileName(path) + ' ' + problem);
        QVERIFY(!log.isClaimed());
        QCOMPARE(fileBytes(target), kept);
        QFile::remove(target);
        QFile::remove(other);
    }

    // Not there yet, the settings file is known by its folder and name all the same, and a log
    // beside it is another file.
    void aLogIsKnownFromTheFilesBesideIt() {
        QFile::remove(settingsFile());
        LaunchOptions options;
        options.logPath = settingsFile();
        FrameLogFile refused;
        QVERIFY(claimFrameLog(refused, options).contains("settings file"));
        QVERIFY(!QFile::exists(settingsFile()));
        options.logPath = settingsFile() + ".csv";
        FrameLogFile log;
        QCOMPARE(claimFrameLog(log, options), QString());
        QCOMPARE(log.begin(), QString());
        QVERIFY(!QFile::exists(settingsFile()));
    }

    // Its bytes are gone before the program sees it: the name is refused, and nothing is made.
    void aNameThatWasNotUtf8IsRefused() {
        QTemporaryDir empty;
        LaunchOptions options;
        options.logPath = empty.filePath(QString("steps") + QChar::ReplacementCharacter + ".csv");
        FrameLogFile log;
        QCOMPARE(claimFrameLog(log, options),
                 "the name of " + shownFileName(options.logPath) +
                     " is not UTF-8 text, so no log can be written under it; give a name that is");
        QVERIFY(QDir(empty.path()).isEmpty());
    }

    // Claimed at the start, the file is only emptied when the first flash opens it.
    void anExistingLogIsEmptiedOnlyWhenItBegins() {
        const QString path = folder_.filePath("kept.csv");
        QVERIFY(putFile(path, "an earlier run\n"));
        FrameLogFile log;
        QCOMPARE(log.claim(path), QString());
        QCOMPARE(fileBytes(path), "an earlier run\n");
        log.write(row(1));
        QCOMPARE(fileBytes(path), "an earlier run\n");
        QCOMPARE(log.begin(), QString());
        QCOMPARE(fileBytes(path), QByteArray(FrameLogHeader) + '\n');
    }

    // Another program writing the log holds it from its start, or from its first flash when the
    // file was not there yet; a second one is refused at whichever comes first.
    void aLogWrittenByAnotherIsRefused_data() {
        QTest::addColumn<bool>("there");
        QTest::addColumn<bool>("firstBegunBeforeSecondClaims");
        QTest::newRow("there at the start") << true << false;
        QTest::newRow("made by the first flash of one") << false << true;
        QTest::newRow("made by the first flash of either") << false << false;
    }
    void aLogWrittenByAnotherIsRefused() {
        QFETCH(bool, there);
        QFETCH(bool, firstBegunBeforeSecondClaims);
        const QString path = folder_.filePath("shared.csv");
        QFile::remove(path);
        if (there)
            QVERIFY(putFile(path, "x\n"));
        const QString locked = "'shared.csv' is locked by another program that writes it";
        FrameLogFile first;
        QCOMPARE(first.claim(path), QString());
        if (firstBegunBeforeSecondClaims)
            QCOMPARE(first.begin(), QString());
        FrameLogFile second;
        if (there || firstBegunBeforeSecondClaims) {
            QCOMPARE(second.claim(path), locked);
            QVERIFY(!second.isClaimed());
        } else {
            QCOMPARE(second.claim(path), QString());
            QCOMPARE(first.begin(), QString());
            QCOMPARE(second.begin(), locked);
            QVERIFY(!second.isOpen());
        }
        QCOMPARE(first.begin(), QString());
        first.write(row(1));
        QCOMPARE(readFrameLog(fileBytes(path)).steps.size(), std::size_t(1));
    }

    // A disk that fills: only whole lines stay, stderr tells, and once lines fit again one of
    // them counts the rows left out, as the log's reader takes it.
    void aFullDiskLeavesWholeLinesAndCountsTheRowsLeftOut_data() {
        QTest::addColumn<bool>("roomAgain");
        QTest::newRow("room again") << true;
        QTest::newRow("full to the end") << false;
    }
    void aFullDiskLeavesWholeLinesAndCountsTheRowsLeftOut() {
        QFETCH(bool, roomAgain);
        const QString path = folder_.filePath("full.csv");
        QFile::remove(path);
        const qsizetype header = qsizetype(std::strlen(FrameLogHeader)) + 1;
        const qsizetype line = frameLogRow(row(1)).size() + 1;
        FrameLogFile log;
        QCOMPARE(log.claim(path), QString());
        CaughtStderr told;
        {
            // Room for the header, two rows and half the third.
            FileSizeLimit limit(rlim_t(header + 2 * line + line / 2));
            QCOMPARE(log.begin(), QString());
            for (int step = 1; step <= 5; ++step)
                log.write(row(step));
            QCOMPARE(fileBytes(path).size(), header + 2 * line);
            if (roomAgain) {
                // Room for the count, not for the row after it: neither is written.
                limit.set(rlim_t(header + 2 * line + frameLogLostRow(3, "HDMI-1", 3).size() + 1));
                log.write(row(6));
                QCOMPARE(fileBytes(path).size(), header + 2 * line);
                limit.lift();
                for (int step = 7; step <= 8; ++step)
                    log.write(row(step));
            }
            log.finish();
        }
        const QByteArray bytes = fileBytes(path);
        QVERIFY(bytes.endsWith('\n'));
        const FrameLogReading reading = readFrameLog(bytes);
        QCOMPARE(reading.problem, QString());
        std::vector<int> steps;
        for (const LoggedStep& logged : reading.steps)
            steps.push_back(logged.showing == LoggedStep::Showing::Lost ? -logged.shown.step
                                                                        : logged.shown.step);
        const QStringList lines = told.lines();
        const QString cannot = "chromaflick: the log 'full.csv' could not be written: File too "
                               "large; rows are left out until it can be, then a line counts them";
        if (roomAgain) {
            QCOMPARE(steps, (std::vector<int>{1, 2, -3, 7, 8}));
            QCOMPARE(reading.steps[2].lostRows, std::int64_t(4));
            QCOMPARE(reading.steps[2].shown.screen, "HDMI-1");
            QVERIFY(bytes.contains("\n3,HDMI-1,,,,,,lost 4\n"));
            QCOMPARE(lines, QStringList({cannot, "chromaflick: the log 'full.csv' is written "
                                                 "again; rows left out: 4"}));
        } else {
            QCOMPARE(steps, (std::vector<int>{1, 2}));
            QCOMPARE(lines, QStringList({cannot, "chromaflick: the log 'full.csv' could not be "
                                                 "written to the end; rows left out: 3"}));
        }
    }

private:
    static QString settingsFile() {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               "/Varnhollow.ini";
    }
    QTemporaryDir folder_;
};

CHROMAFLICK_TEST_MAIN(FrameLogFileTest)
#include "tst_framelogfile.moc"
