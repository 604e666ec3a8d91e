#include "coretest.h"
#include "platform/launchpalette.h"
#include "platform/palettefile.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

constexpr qsizetype FullList = 32767;

// "line: reason" for each described bad line, to compare in one go.
QStringList describe(const QList<BadPaletteLine>& lines) {
    QStringList described;
    for (const BadPaletteLine& line : lines)
        described << QStringLiteral("%1: %2").arg(line.line).arg(line.reason);
    return described;
}

// A folder with what a careless or hostile user may hand over instead of a palette: a device
// node made here (never one of /dev), a FIFO, links to both, a folder and a loop of links.
class SpecialFiles {
public:
    enum class Kind { Missing, File, Folder, Fifo, Device, Link, Other };

    SpecialFiles() {
        QVERIFY(QDir(folder_.path()).mkdir("folder"));
        // Without the right to make device nodes, the rows of a device are skipped.
        hasDevice_ = ::mknod(name("device.gpl"), S_IFCHR | 0600, makedev(1, 3)) == 0;
        QCOMPARE(::mkfifo(name("fifo.gpl"), 0600), 0);
        QVERIFY(QFile::link(path("device.gpl"), path("to-device.gpl")));
        QVERIFY(QFile::link(path("fifo.gpl"), path("to-fifo.gpl")));
        QCOMPARE(::symlink("loop2.gpl", name("loop.gpl")), 0);
        QCOMPARE(::symlink("loop.gpl", name("loop2.gpl")), 0);
    }

    QString path(const QString& fileName) const { return folder_.filePath(fileName); }
    bool lacks(const QString& fileName) const {
        return fileName.contains(QLatin1String("device")) && !hasDevice_;
    }

    // What each entry is, links not followed.
    QMap<QString, Kind> kinds() const {
        QMap<QString, Kind> found;
        for (const QString& entry :
             QDir(folder_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            found[entry] = kindOf(entry);
        return found;
    }

private:
    QByteArray name(const QString& fileName) const { return QFile::encodeName(path(fileName)); }

    Kind kindOf(const QString& fileName) const {
        struct stat status {};
        if (::lstat(name(fileName).constData(), &status) != 0)
            return Kind::Missing;
        if (S_ISREG(status.st_mode))
            return Kind::File;
        if (S_ISDIR(status.st_mode))
            return Kind::Folder;
        if (S_ISFIFO(status.st_mode))
            return Kind::Fifo;
        if (S_ISCHR(status.st_mode))
            return Kind::Device;
        if (S_ISLNK(status.st_mode))
            return Kind::Link;
        return Kind::Other;
    }

    QTemporaryDir folder_;
    bool hasDevice_ = false;
};

} // namespace

// Palette files on disk: what is read and written, and what is refused without blocking.
class PaletteFileTest : public QObject {
    Q_OBJECT
private slots:
    void readsFiles() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("colors.txt"));
        QVERIFY(putFile(path, "#FF0000\nbad\n1 2 3\n"));
        const PaletteFileReading reading = readPaletteFile(path, 1);
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.contents.entries, QStringList{"RGB(255, 0, 0)"});
        QCOMPARE(reading.contents.leftOut, 1);
        QCOMPARE(describe(reading.contents.badLines),
                 QStringList{"2: not a color; write RGB(r, g, b), #RRGGBB or r g b"});
    }

    void aFullListIsNoProblem() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("colors.txt"));
        QVERIFY(putFile(path, "1 2 3\n"));
        const PaletteFileReading reading = readPaletteFile(path, 0);
        QCOMPARE(reading.problem, QString());
        QCOMPARE(reading.contents.leftOut, 1);
    }

    void refusesFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty") << "empty.gpl" << QByteArray() << "'empty.gpl' holds no colors";
        QTest::newRow("comments only")
            << "notes.txt" << QByteArray("# nothing\n\n") << "'notes.txt' holds no colors";
        QTest::newRow("GIMP header only") << "bare.gpl" << QByteArray("GIMP Palette\nName: bare\n")
                                          << "'bare.gpl' holds no colors";
        QTest::newRow("bad lines only")
            << "bad.txt" << QByteArray("\nfoo\n999 0 0\n")
            << "'bad.txt' holds no colors that can be read (line 2: not a color; write RGB(r, "
               "g, b), #RRGGBB or r g b)";
    }
    void refusesFiles() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(putFile(path, bytes));
        const PaletteFileReading reading = readPaletteFile(path, FullList);
        QCOMPARE(reading.problem, problem);
        QVERIFY(reading.contents.entries.isEmpty());
    }

    void refusesWhatIsNoFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing") << "missing.gpl"
                                 << "'missing.gpl' does not exist";
        QTest::newRow("folder") << "folder"
                                << "'folder' is a folder, not a file";
        QTest::newRow("device") << "device.gpl"
                                << "'device.gpl' is a device, not a file";
        QTest::newRow("link to a device") << "to-device.gpl"
                                          << "'to-device.gpl' is a device, not a file";
        QTest::newRow("FIFO") << "fifo.gpl"
                              << "'fifo.gpl' is a FIFO, not a file";
        QTest::newRow("link to a FIFO") << "to-fifo.gpl"
                                        << "'to-fifo.gpl' is a FIFO, not a file";
        QTest::newRow("loop of links") << "loop.gpl"
                                       << "'loop.gpl' is a loop of links that leads to no file";
        QTest::newRow("name that is not UTF-8")
            << "caf\uFFFD.gpl"
            << "the name of 'caf\uFFFD.gpl' is not UTF-8 text, so the file cannot be opened; "
               "rename it";
    }
    void refusesWhatIsNoFile() {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        const SpecialFiles files;
        if (files.lacks(path))
            QSKIP("no right to make a device node");
        const PaletteFileReading reading = readPaletteFile(files.path(path), FullList);
        QCOMPARE(reading.problem, problem);
    }

    void refusesAPipeWithoutBlocking() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("pipe.gpl"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        auto reading =
            std::async(std::launch::async, [&path] { return readPaletteFile(path, FullList); });
        if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            // A writer lets the blocked open return, so the test ends instead of hanging.
            const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            reading.wait();
            QFAIL("reading a pipe blocked");
        }
        QCOMPARE(reading.get().problem, QStringLiteral("'pipe.gpl' is a FIFO, not a file"));
    }

    void refusesLargeFilesUnread_data() {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("refused");
        QTest::newRow("100 MB") << qint64(100) * 1024 * 1024 << true;
        QTest::newRow("one byte over") << LargestPaletteFile + 1 << true;
        QTest::newRow("at the limit") << LargestPaletteFile << false;
    }
    void refusesLargeFilesUnread() {
        QFETCH(qint64, size);
        QFETCH(bool, refused);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("huge.gpl"));
        // Sparse: a color line, then zeros that take no disk.
        QVERIFY(putFile(path, "1 2 3\n"));
        QVERIFY(QFile::resize(path, size));
        const PaletteFileReading reading = readPaletteFile(path, FullList);
        if (refused) {
            QCOMPARE(reading.problem, QStringLiteral("'huge.gpl' is larger than 16 MB"));
            QVERIFY(reading.contents.entries.isEmpty());
        } else {
            QCOMPARE(reading.problem, QString());
            QCOMPARE(reading.contents.entries, QStringList{"RGB(1, 2, 3)"});
        }
    }

    void refusesUnreadableFiles() {
        if (::geteuid() == 0)
            QSKIP("root reads every file");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("locked.gpl"));
        QVERIFY(putFile(path, "1 2 3\n"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        const PaletteFileReading reading = readPaletteFile(path, FullList);
        QVERIFY2(reading.problem.startsWith(QStringLiteral("'locked.gpl' cannot be read: ")),
                 qPrintable(reading.problem));
    }

    void writesFilesInTheFormatOfTheirSuffix_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("gpl") << "warm.gpl"
                             << QByteArray("GIMP Palette\nName: warm\nColumns: 0\n#\n"
                                           "255   0   0\n");
        QTest::newRow("txt") << "warm.txt" << QByteArray("RGB(255, 0, 0)\n");
    }
    void writesFilesInTheFormatOfTheirSuffix() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(putFile(path, "an older and longer file that is replaced as a whole\n"));
        const PaletteFileWriting writing = writePaletteFile(path, {"RGB(255, 0, 0)", "junk"});
        QCOMPARE(writing.problem, QString());
        QCOMPARE(writing.skipped, 1);
        QCOMPARE(fileBytes(path), bytes);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
    }

    void leavesTheFileAloneWithoutAColor_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("no entries") << QStringList{};
        QTest::newRow("only entries that are no color") << QStringList{"junk", "RGB(1, 2)"};
    }
    void leavesTheFileAloneWithoutAColor() {
        QFETCH(QStringList, entries);
        QTemporaryDir folder;
        const QString path = folder.filePath("kept.gpl");
        QVERIFY(putFile(path, "GIMP Palette\n1 2 3\n"));
        const PaletteFileWriting writing = writePaletteFile(path, entries);
        QCOMPARE(writing.problem,
                 QStringLiteral("no entry is a color, so 'kept.gpl' was not written"));
        QCOMPARE(writing.skipped, entries.size());
        QCOMPARE(fileBytes(path), QByteArray("GIMP Palette\n1 2 3\n"));
    }

    void reportsFilesItCannotWrite_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder missing") << "missing/colors.gpl";
        QTest::newRow("in a file, not a folder") << "plain/colors.gpl";
    }
    void reportsFilesItCannotWrite() {
        QFETCH(QString, name);
        QTemporaryDir folder;
        QVERIFY(putFile(folder.filePath("plain"), "x"));
        const PaletteFileWriting writing =
            writePaletteFile(folder.filePath(name), {"RGB(255, 0, 0)"});
        const QString shown = QStringLiteral("'%1' cannot be written: ")
                                  .arg(QFileInfo(folder.filePath(name)).fileName());
        QVERIFY2(writing.problem.startsWith(shown), qPrintable(writing.problem));
        QVERIFY(writing.problem.size() > shown.size());
    }

    // Export onto what is no regular file, or leads to one that is not: refused by its kind,
    // and the thing is still there as it was.
    void exportRefusesWhatIsNoFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::newRow("device") << "device.gpl"
                                << "'device.gpl' is a device, not a file";
        QTest::newRow("link to a device") << "to-device.gpl"
                                          << "'to-device.gpl' is a device, not a file";
        QTest::newRow("FIFO") << "fifo.gpl"
                              << "'fifo.gpl' is a FIFO, not a file";
        QTest::newRow("link to a FIFO") << "to-fifo.gpl"
                                        << "'to-fifo.gpl' is a FIFO, not a file";
        QTest::newRow("folder") << "folder"
                                << "'folder' is a folder, not a file";
        QTest::newRow("loop of links") << "loop.gpl"
                                       << "'loop.gpl' is a loop of links that leads to no file";
    }
    void exportRefusesWhatIsNoFile() {
        QFETCH(QString, name);
        QFETCH(QString, problem);
        const SpecialFiles files;
        if (files.lacks(name))
            QSKIP("no right to make a device node");
        const QMap<QString, SpecialFiles::Kind> before = files.kinds();
        const PaletteFileWriting writing = writePaletteFile(files.path(name), {"RGB(1, 2, 3)"});
        QCOMPARE(writing.problem, problem);
        QCOMPARE(files.kinds(), before);
    }

    void exportThroughALinkReplacesItsTarget() {
        QTemporaryDir folder;
        const QString target = folder.filePath("real.txt");
        const QString link = folder.filePath("link.txt");
        QVERIFY(putFile(target, "old\n"));
        QVERIFY(QFile::link(target, link));
        QCOMPARE(writePaletteFile(link, {"RGB(1, 2, 3)"}).problem, QString());
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(fileBytes(target), QByteArray("RGB(1, 2, 3)\n"));
    }

    // The disk that fills up, as the size limit stands in for it here: the system's reason,
    // never "Unknown error", and the old file whole.
    void tellsTheSystemsReasonWhenTheDataDoesNotFit() {
        QTemporaryDir folder;
        const QString path = folder.filePath("big.txt");
        QVERIFY(putFile(path, "RGB(9, 9, 9)\n"));
        QStringList entries;
        for (int i = 0; i < 5000; ++i)
            entries << QStringLiteral("RGB(%1, 2, 3)").arg(i % 256);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 4096;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const PaletteFileWriting writing = writePaletteFile(path, entries);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(writing.problem, QStringLiteral("'big.txt' cannot be written: %1")
                                      .arg(QString::fromLocal8Bit(std::strerror(EFBIG))));
        QCOMPARE(fileBytes(path), QByteArray("RGB(9, 9, 9)\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"big.txt"});
    }

    // What --colors names, read before the run: each problem refused as the command line's.
    void launchPaletteRefuses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem");
        QTest::newRow("empty palette")
            << "empty.txt" << QByteArray() << "--colors: 'empty.txt' holds no colors";
        QTest::newRow("palette of comments") << "comments.txt" << QByteArray("# only this\n")
                                             << "--colors: 'comments.txt' holds no colors";
        QTest::newRow("missing palette file")
            << "gone.gpl" << QByteArray() << "--colors: 'gone.gpl' does not exist";
        QTest::newRow("palette is a folder")
            << "folder" << QByteArray() << "--colors: 'folder' is a folder, not a file";
        QTest::newRow("palette is a device")
            << "device.gpl" << QByteArray() << "--colors: 'device.gpl' is a device, not a file";
        QTest::newRow("palette is a FIFO")
            << "fifo.gpl" << QByteArray() << "--colors: 'fifo.gpl' is a FIFO, not a file";
    }
    void launchPaletteRefuses() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const SpecialFiles files;
        if (name.endsWith(".txt"))
            QVERIFY(putFile(files.path(name), bytes));
        LaunchOptions options;
        options.colorsFile = files.path(name);
        const LaunchPalette palette = readLaunchPalette(options);
        QCOMPARE(palette.problem, problem);
        QVERIFY(!palette.colors);
    }

    void launchPaletteHandsOnItsBadLines() {
        QTemporaryDir folder;
        QVERIFY(putFile(folder.filePath("mixed.txt"), "#0000FF\nnot a color\n"));
        LaunchOptions options;
        options.colorsFile = folder.filePath("mixed.txt");
        const LaunchPalette palette = readLaunchPalette(options);
        QCOMPARE(palette.problem, QString());
        QVERIFY(palette.colors.has_value());
        QCOMPARE(palette.colors->entries, QStringList{"RGB(0, 0, 255)"});
        QCOMPARE(palette.colors->badLineCount, 1);
        QCOMPARE(palette.colors->badLines.constFirst().line, 2);
        QVERIFY(!readLaunchPalette(LaunchOptions{}).colors);
    }
};

CHROMAFLICK_CORE_TEST_MAIN(PaletteFileTest)
#include "tst_palettefile.moc"
