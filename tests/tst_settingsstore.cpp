#include "core/failure.h"
#include "core/settingsstore.h"
#include "platform/inicodec.h"
#include "platform/settingsbacking.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

QString storeFile() {
    return userSettingsFile(QStringLiteral("Varnhollow"));
}

// The kind of node at a path, the link itself when it is one.
mode_t nodeType(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return 0;
    return status.st_mode & S_IFMT;
}

bool makeSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(),
                std::min<size_t>(name.size(), sizeof address.sun_path - 1));
    const bool made = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return made;
}

// A store whose troubles are counted instead of shown.
struct ToldStore {
    UserSettingsStore store;
    QStringList told;
    ToldStore() {
        store.setTroubleTeller([this](const QString& text) { told << text; });
    }
};

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        resetStore();
        QFile::remove(storeFile());
    }

    void theFileIsWhereQtPutsIt() {
        QSettings settings(settingsFileFormat(), QSettings::UserScope, "Varnhollow");
        QCOMPARE(storeFile(), settings.fileName());
    }

    void aPathThatIsNoFileIsNeitherReadNorWritten_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<QString>("said");
        for (bool link : {false, true}) {
            const char* how = link ? "a link to " : "";
            QTest::addRow("%sa folder", how) << "folder" << link << "a folder, not a file";
            QTest::addRow("%sa FIFO", how) << "fifo" << link << "a FIFO, not a file";
            QTest::addRow("%sa socket", how) << "socket" << link << "a socket, not a file";
            QTest::addRow("%sa device", how) << "device" << link << "a device, not a file";
        }
    }
    void aPathThatIsNoFileIsNeitherReadNorWritten() {
        QFETCH(QString, kind);
        QFETCH(bool, throughLink);
        QFETCH(QString, said);
        QTemporaryDir elsewhere;
        const QString node = throughLink ? elsewhere.filePath("node") : storeFile();
        const QByteArray nodeName = QFile::encodeName(node);
        if (kind == "folder")
            QVERIFY(QDir().mkpath(node));
        else if (kind == "fifo")
            QCOMPARE(::mkfifo(nodeName.constData(), 0600), 0);
        else if (kind == "socket")
            QVERIFY(makeSocket(node));
        else if (::mknod(nodeName.constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
            QSKIP("making a device node needs root");
        if (throughLink)
            QVERIFY(QFile::link(node, storeFile()));
        const mode_t before = nodeType(storeFile());
        const mode_t nodeBefore = nodeType(node);
        {
            ToldStore told;
            QCOMPARE(told.store.ReadSetting(Keys::DelayText), QStringLiteral("500"));
            QCOMPARE(told.store.ReadSetting(Keys::CycleOrder), QStringLiteral("0"));
            QVERIFY_THROWS_EXCEPTION(Failure,
                                     told.store.WriteSetting(Keys::Colors, QStringLiteral("x")));
            told.store.writeTellingTrouble(Keys::DelayText, QStringLiteral("250"));
            QCOMPARE(told.told.size(), 1);
            QVERIFY2(told.told[0].contains(storeFile() + " is " + said), qPrintable(told.told[0]));
            QVERIFY(told.told[0].contains("will not be kept"));
        }
        QCOMPARE(nodeType(storeFile()), before);
        QCOMPARE(nodeType(node), nodeBefore);
        if (kind == "folder")
            QDir(node).removeRecursively();
        QFile::remove(storeFile());
        QFile::remove(node);
    }

    void aLinkToAFileIsFollowedAndStaysALink() {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath("real.ini");
        QVERIFY(putFile(target, "[Chromaflick]\nText1=250\n"));
        QVERIFY(QFile::link(target, storeFile()));
        {
            ToldStore told;
            QCOMPARE(told.store.ReadSetting(Keys::DelayText), QStringLiteral("250"));
            told.store.WriteSetting(Keys::DelayText, QStringLiteral("750"));
            QVERIFY(told.told.isEmpty());
        }
        QVERIFY(QFileInfo(storeFile()).isSymLink());
        QSettings reader(target, QSettings::IniFormat);
        QCOMPARE(reader.value("Chromaflick/Text1").toString(), QStringLiteral("750"));
        QFile::remove(storeFile());
    }

    void aStoreThatCannotBeReadIsNeverOverwritten() {
        const QByteArray content = "[Chromaflick]\nText1=250\n";
        QVERIFY(putFile(storeFile(), content));
        QFile file(storeFile());
        QVERIFY(file.setPermissions({}));
        // Root reads any file; as somebody else it cannot.
        const uid_t user = ::geteuid();
        const QByteArray folder = QFile::encodeName(QFileInfo(storeFile()).absolutePath());
        ::chmod(folder.constData(), 0777);
        if (user == 0)
            QCOMPARE(::seteuid(65534), 0);
        QStringList told;
        QString read;
        bool threw = false;
        {
            UserSettingsStore store;
            store.setTroubleTeller([&](const QString& text) { told << text; });
            read = store.ReadSetting(Keys::DelayText);
            try {
                store.WriteSetting(Keys::DelayText, QStringLiteral("750"));
            } catch (const Failure&) {
                threw = true;
            }
            store.writeTellingTrouble(Keys::RandomOrder, true, Keys::CycleOrder, false);
        }
        if (user == 0)
            QCOMPARE(::seteuid(0), 0);
        ::chmod(folder.constData(), 0700);
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(read, QStringLiteral("500"));
        QVERIFY(threw);
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].contains(storeFile() + " could not be read"), qPrintable(told[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
    }

    void troubleWithWritingIsToldOnceWhenFound() {
        ToldStore told;
        QCOMPARE(told.store.ReadSetting(Keys::DelayText), QStringLiteral("500"));
        told.store.writeTellingTrouble(Keys::DelayText, QStringLiteral("250"));
        QVERIFY(told.told.isEmpty());
        // The file turns into a folder under the running program.
        QVERIFY(QFile::remove(storeFile()));
        QVERIFY(QDir().mkpath(storeFile()));
        told.store.writeTellingTrouble(Keys::DelayText, QStringLiteral("300"));
        told.store.writeTellingTrouble(Keys::RandomOrder, false, Keys::CycleOrder, true);
        QVERIFY_THROWS_EXCEPTION(Failure, told.store.WriteSetting(Keys::DelayText, "1"));
        QDir(storeFile()).removeRecursively();
        QCOMPARE(told.told.size(), 1);
        QVERIFY2(
            told.told[0].startsWith("The settings file " + storeFile() + " could not be written: "),
            qPrintable(told.told[0]));
        QVERIFY(told.told[0].endsWith("The changes made in this run will not be kept."));
    }
};

CHROMAFLICK_TEST_MAIN(SettingsStoreTest)
#include "tst_settingsstore.moc"
