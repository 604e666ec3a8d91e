#include "desktop.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/stat.h>

namespace {

const QStringList defaults{"RGB(255, 0, 0)",  "RGB(255, 127, 0)", "RGB(255, 255, 0)",
                           "RGB(0, 255, 0)",  "RGB(0, 0, 255)",   "RGB(75, 0, 130)",
                           "RGB(143, 0, 255)"};

QString storeFile() {
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/Varnhollow.ini";
}

void writeStoreFile(const QByteArray& content) {
    resetStore();
    QFile file(storeFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The store as a fresh reader finds it: whether it reads cleanly, and its list.
struct StoreReading {
    bool clean;
    QString colors;
};
StoreReading readStore() {
    QSettings settings(storeFile(), QSettings::IniFormat);
    return {settings.status() == QSettings::NoError,
            settings.value("Chromaflick/Colors").toString()};
}

QString bigList(int entries) {
    QString stored;
    for (int i = 0; i < entries; ++i)
        stored += QStringLiteral("RGB(%1, %2, 0)").arg(i % 256).arg(i / 256) + StoredSeparator;
    return stored;
}

// Settings under a folder that cannot be made: a plain file stands where its parent should be.
void keepSettingsBeneathAFile(RunningProgram& program, const QTemporaryDir& folder) {
    QFile plain(folder.filePath("plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    program.setEnvironment("XDG_CONFIG_HOME", folder.filePath("plain/config"));
}

// Whether the flash covers the screen with one entry of a list whose colors have no blue.
bool showsOneListColor() {
    const QColor color = pixelAt({100, 100});
    return color != QColor(Qt::black) && color.blue() == 0 && pixelAt({960, 700}) == color &&
           pixelAt({1800, 1000}) == color;
}

bool errorReportShows(unsigned long except, int milliseconds) {
    return waitForOtherWindow("^Application Error$", except, milliseconds) != 0;
}

} // namespace

class FaultsEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void unwritableSettingsFolderIsReportedAtClose() {
        QTemporaryDir folder;
        RunningProgram program;
        keepSettingsBeneathAFile(program, folder);
        QVERIFY(program.start());
        QVERIFY(!errorReportShows(program.mainWindowId(), 500));
        program.closeMainWindowAsync();
        // The caption is the report's own, with nothing appended.
        const unsigned long box = waitForOtherWindow("^Application Error$", program.mainWindowId());
        QVERIFY(box);
        saveForLooking(screenshot(), "unwritable-store-report");
        QVERIFY(!program.waitForEnd(300));
        pressKeyIn(box, "Return");
        QVERIFY(program.waitForEnd());
    }

    void corruptStoresStartAndCloseCleanly_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("shown");
        QByteArray garbage(4096, '\0');
        QRandomGenerator random(20261208);
        for (char& byte : garbage)
            byte = static_cast<char>(random.bounded(256));
        QTest::newRow("binary garbage") << garbage << defaults;
        const QByteArray separator = StoredSeparator.toUtf8();
        QTest::newRow("missing ]") << "[Chromaflick\nColors=\"RGB(1, 2, 3)" + separator + "\"\n"
                                   << QStringList{"RGB(1, 2, 3)"};
        QTest::newRow("NUL bytes")
            << "[Chromaflick]\nColors=" + QByteArray("ab\0cd", 5) + separator + "\n"
            << QStringList{};
        QTest::newRow("invalid UTF-8") << "[Chromaflick]\nColors=\xff\xfe\xc3" + separator + "\n"
                                       << QStringList{};
        const QString huge(1 << 20, QLatin1Char('x'));
        QTest::newRow("1 MB entry")
            << ("[Chromaflick]\nColors=" + huge + StoredSeparator + "\n").toUtf8()
            << QStringList{huge};
        QTest::newRow("100000 separators")
            << ("[Chromaflick]\nColors=" + StoredSeparator.repeated(100000) + "\n").toUtf8()
            << QStringList{};
        QTest::newRow("Text1 of 10000 characters")
            << ("[Chromaflick]\nText1=" + QString(10000, QLatin1Char('7')) + "\n").toUtf8()
            << defaults;
    }
    void corruptStoresStartAndCloseCleanly() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, shown);
        writeStoreFile(content);
        RunningProgram program;
        QVERIFY(program.start());
        QVERIFY(!errorReportShows(program.mainWindowId(), 500));
        const int code = program.closeMainWindow();
        if (code != 0)
            saveForLooking(screenshot(),
                           QStringLiteral("corrupt-store-%1").arg(QTest::currentDataTag()));
        QCOMPARE(code, 0);
        const StoreReading after = readStore();
        QVERIFY(after.clean);
        if (!shown.isEmpty() && shown != defaults)
            QCOMPARE(after.colors, shown.join(StoredSeparator) + StoredSeparator);
        if (shown == defaults)
            QCOMPARE(after.colors, defaults.join(StoredSeparator) + StoredSeparator);

        // What was written starts and closes again unchanged; an emptied list comes back as the
        // defaults.
        RunningProgram again;
        QVERIFY(again.start());
        QCOMPARE(again.closeMainWindow(), 0);
        QCOMPARE(readStore().colors, after.colors.isEmpty()
                                         ? defaults.join(StoredSeparator) + StoredSeparator
                                         : after.colors);
    }

    void killedWhileClosingLeavesAWholeList() {
        const QString old = bigList(32767);
        // The close stores the list less its first entry: about 700 kB that must land whole.
        const QString fresh = old.mid(old.indexOf(StoredSeparator) + StoredSeparator.size());
        QRandomGenerator random(42);
        int sawOld = 0, sawFresh = 0;
        for (int run = 0; run < 20; ++run) {
            resetStore({{"Colors", old}});
            RunningProgram program;
            QVERIFY(program.start());
            const QPoint corner = program.mainWindowGeometry().topLeft();
            clickAt(firstEntryOf(corner));
            clickAt(middleOf(Controls::deleteColor, corner));
            program.closeMainWindowAsync();
            // The last runs wait for the new list to land, so that however slow the machine,
            // the kill also meets a store that was just replaced.
            if (run < 15)
                QTest::qWait(static_cast<int>(random.bounded(60)));
            else
                QTRY_VERIFY_WITH_TIMEOUT(readStore().colors != old, 10000);
            program.endWith(SIGKILL);
            const StoreReading after = readStore();
            QVERIFY(after.clean);
            QVERIFY2(
                after.colors == old || after.colors == fresh,
                qPrintable(
                    QStringLiteral("run %1: %2 characters").arg(run).arg(after.colors.size())));
            ++(after.colors == old ? sawOld : sawFresh);
        }
        qInfo("killed while closing: %d times the old list, %d times the new one", sawOld,
              sawFresh);
        QVERIFY(sawFresh > 0);
    }

    void signalsWhileTheFlashOrABoxIsOpenStoreTheList_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("flash");
        for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
            const char* name = signal == SIGTERM  ? "SIGTERM"
                               : signal == SIGINT ? "SIGINT"
                                                  : "SIGHUP";
            QTest::addRow("%s with the flash open", name) << signal << true;
            QTest::addRow("%s with a question open", name) << signal << false;
        }
    }
    void signalsWhileTheFlashOrABoxIsOpenStoreTheList() {
        QFETCH(int, signal);
        QFETCH(bool, flash);
        resetStore({{"Colors", "RGB(1, 2, 3)" + StoredSeparator + "RGB(4, 5, 6)" + StoredSeparator},
                    {"Text1", "100"}});
        RunningProgram program;
        QVERIFY(program.start());
        const QPoint corner = program.mainWindowGeometry().topLeft();
        if (flash) {
            clickAt(startButtonOf(corner));
            const QList<QColor> listed{QColor(1, 2, 3), QColor(4, 5, 6)};
            QTRY_VERIFY(listed.contains(pixelAt({100, 100})) &&
                        listed.contains(pixelAt(corner + QPoint(3, 3))));
        } else {
            // Delete the selected color first, then ask to clear: the list differs from the store.
            clickAt(firstEntryOf(corner));
            clickAt(middleOf(Controls::deleteColor, corner));
            clickAt(middleOf(Controls::clearList, corner));
            QVERIFY(waitForOtherWindow("^Chromaflick$", program.mainWindowId()));
        }
        QCOMPARE(program.endWith(signal), 0);
        QCOMPARE(readStore().colors,
                 flash ? "RGB(1, 2, 3)" + StoredSeparator + "RGB(4, 5, 6)" + StoredSeparator
                       : "RGB(4, 5, 6)" + StoredSeparator);
        // A run ended from its terminal sums up its flash as Escape would.
        const QString said = program.output();
        QVERIFY2(said.contains(QRegularExpression("flash: \\d+ steps")) == flash, qPrintable(said));
    }

    void aSignalDuringAStartUpReportEndsWithTheWholeList_data() {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }
    void aSignalDuringAStartUpReportEndsWithTheWholeList() {
        QFETCH(int, signal);
        const QString list = "RGB(1, 2, 3)" + StoredSeparator + "RGB(4, 5, 6)" + StoredSeparator;
        // An option that is no boolean is reported before the list is loaded.
        resetStore({{"Colors", list}, {"Option1", "maybe"}});
        RunningProgram program;
        program.launch();
        QVERIFY(waitForOtherWindow("^Application Error$", 0));
        QCOMPARE(program.endWith(signal), 0);
        QCOMPARE(readStore().colors, list);
    }

    void aSignalWithThePickerOpenEndsWithTheList() {
        const QString list = "RGB(1, 2, 3)" + StoredSeparator;
        resetStore({{"Colors", list}});
        RunningProgram program;
        QVERIFY(program.start());
        clickAt(middleOf(Controls::addColor, program.mainWindowGeometry().topLeft()));
        QVERIFY(waitForOtherWindow("^Select Color$", program.mainWindowId()));
        QCOMPARE(program.endWith(SIGTERM), 0);
        QCOMPARE(readStore().colors, list);
    }

    void aSignalCloseThatCannotStoreSaysSoWithoutABox() {
        QTemporaryDir folder;
        RunningProgram program;
        keepSettingsBeneathAFile(program, folder);
        QVERIFY(program.start());
        QCOMPARE(program.endWith(SIGTERM), 1);
        const QString said = program.output();
        QVERIFY2(said.contains("Application Error: The settings file") &&
                     said.contains("could not be written"),
                 qPrintable(said));
    }

    void aFifoForAStoreIsLeftAloneAndSaidOnce() {
        QTemporaryDir folder;
        const QString fifo = folder.filePath("Varnhollow.ini");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        RunningProgram program;
        program.setEnvironment("XDG_CONFIG_HOME", folder.path());
        program.launch();
        const unsigned long notice = waitForOtherWindow("^Settings Not Kept$", 0);
        QVERIFY(notice);
        saveForLooking(screenshot(), "settings-not-kept");
        pressKeyIn(notice, "Return");
        QVERIFY(waitForOtherWindow("^Chromaflick$", notice));
        program.endWith(SIGTERM);
        const QString said = program.output();
        QCOMPARE(said.count(fifo + " is a FIFO, not a file"), 2); // the notice and the close
        QVERIFY(QFileInfo(fifo).isFile() == false && QFileInfo::exists(fifo));
    }

    void fullListStartsFlashesAndClosesByteExact() {
        const QString full = bigList(32767);
        resetStore({{"Colors", full}, {"Text1", "200"}});
        RunningProgram program;
        QVERIFY(program.start());
        const QRect main = program.mainWindowGeometry();
        clickAt(startButtonOf(main.topLeft()));
        // A random entry of the list over the whole screen, the main window included: red and
        // green from its position, blue 0.
        QTRY_VERIFY_WITH_TIMEOUT(showsOneListColor(), 10000);
        QVERIFY(!errorReportShows(program.mainWindowId(), 100));
        xdotool({"key", "Escape"});
        QTRY_COMPARE(pixelAt(main.topLeft() + QPoint(3, 3)), QColor(Qt::white));
        QCOMPARE(program.closeMainWindow(), 0);
        QCOMPARE(readStore().colors, full);
    }

    void twoCopiesMergeTheirOptions() {
        resetStore({{"Colors", "RGB(1, 1, 1)" + StoredSeparator}});
        RunningProgram first;
        QVERIFY(first.start());
        RunningProgram second;
        QVERIFY(second.start());
        // Both windows lie centred, one over the other: the second is on top.
        const QPoint corner = second.mainWindowGeometry().topLeft();
        const QPoint gradient = indicatorOf(Controls::gradientColors, corner);
        const QPoint cycle = indicatorOf(Controls::cycleOrder, corner);
        clickAt(gradient);
        QTRY_VERIFY(looksChosen(screenshot(), gradient));
        xdotool({"windowunmap", "--sync", QString::number(second.mainWindowId())});
        // The first copy shows now, where the second was.
        clickAt(cycle);
        QTRY_VERIFY(looksChosen(screenshot(), cycle));
        clickAt(middleOf(Controls::clearList, corner));
        const unsigned long question = waitForOtherWindow("^Chromaflick$", first.mainWindowId());
        QVERIFY(question);
        pressKeyIn(question, "Return");
        QVERIFY(waitUntilHidden(question));
        QCOMPARE(first.closeMainWindow(), 0);
        QCOMPARE(readStore().colors, QString(""));
        QCOMPARE(second.closeMainWindow(), 0);
        QSettings settings(storeFile(), QSettings::IniFormat);
        QCOMPARE(settings.status(), QSettings::NoError);
        QCOMPARE(settings.value("Chromaflick/Option1").toString(), QStringLiteral("False"));
        QCOMPARE(settings.value("Chromaflick/Option2").toString(), QStringLiteral("True"));
        QCOMPARE(settings.value("Chromaflick/Option3").toString(), QStringLiteral("False"));
        QCOMPARE(settings.value("Chromaflick/Option4").toString(), QStringLiteral("True"));
        QCOMPARE(settings.value("Chromaflick/Colors").toString(), "RGB(1, 1, 1)" + StoredSeparator);
    }
};

CHROMAFLICK_TEST_MAIN(FaultsEndToEnd)
#include "tst_e2e_faults.moc"
