// Flashing boxes under openbox, on an X server of two monitors side by side, LEFT and RIGHT,
// 1280x720 each (see two-monitors.sh), with another program's window under the box.
#include "desktop.h"
#include "steplog.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QString boxTitle = QStringLiteral("^Chromaflick color flash$");

void storeRedGreenBlue(int delayMs) {
    storeSolidCycle({"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"}, delayMs);
}

// Where a window is on the screen, as the server has it: exact under a reparenting manager.
QRect absoluteGeometry(unsigned long window) {
    QProcess xwininfo;
    xwininfo.start("xwininfo", {"-id", QString::number(window)});
    xwininfo.waitForFinished(5000);
    const QString info = QString::fromLocal8Bit(xwininfo.readAllStandardOutput());
    const auto field = [&info](const char* name) {
        const QRegularExpression line(QStringLiteral("%1:\\s+(-?\\d+)").arg(name));
        return line.match(info).captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
}

// Waits until the window stands at this place.
bool waitForGeometry(unsigned long window, const QRect& expected, int milliseconds = 5000) {
    QDeadlineTimer deadline(milliseconds);
    while (absoluteGeometry(window) != expected && !deadline.hasExpired())
        QTest::qWait(20);
    return absoluteGeometry(window) == expected;
}

// Whether the window manager keeps the window above the others and out of the task bar and the
// pager; a reason when it does not.
QString notKeptAboveAndOutOfTaskbar(unsigned long window) {
    QProcess xprop;
    xprop.start("xprop", {"-id", QString::number(window), "_NET_WM_STATE"});
    xprop.waitForFinished(5000);
    const QString states = QString::fromLocal8Bit(xprop.readAllStandardOutput());
    for (const char* state :
         {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_ABOVE"}) {
        if (!states.contains(QLatin1String(state)))
            return states.trimmed() + " has no " + state;
    }
    return {};
}

// The one color every pixel of this part shows, or an invalid color.
QColor uniformColor(const QImage& shot, const QRect& area) {
    const QColor first(shot.pixel(area.topLeft()));
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (QColor(shot.pixel(x, y)) != first)
                return {};
        }
    }
    return first;
}

// A screen whose box shows this color in every pixel.
QImage waitForBoxColor(const QRect& box, const QColor& color) {
    return waitForScreen([&](const QImage& shot) { return uniformColor(shot, box) == color; });
}

// Every pixel of the area outside the box as it was before; empty when so, else the first one
// that changed.
QString changedOutside(const QImage& before, const QImage& after, const QRect& area,
                       const QRect& box) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!box.contains(x, y) && before.pixel(x, y) != after.pixel(x, y))
                return QStringLiteral("(%1, %2) changed").arg(x).arg(y);
        }
    }
    return {};
}

// xev: a window that draws nothing after its first paint and tells every event it gets.
class WindowUnder {
public:
    bool start(const QRect& geometry) {
        process_.start("xev", {"-name", "Under", "-geometry",
                               QStringLiteral("%1x%2+%3+%4")
                                   .arg(geometry.width())
                                   .arg(geometry.height())
                                   .arg(geometry.x())
                                   .arg(geometry.y())});
        id_ = waitForOtherWindow("^Under$", 0);
        return id_ != 0;
    }
    ~WindowUnder() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    unsigned long id() const { return id_; }
    // Waits until it has told an event of this kind.
    bool waitForEvent(const QString& kind, int milliseconds = 5000) {
        QDeadlineTimer deadline(milliseconds);
        while (!deadline.hasExpired()) {
            said_ += QString::fromLocal8Bit(process_.readAllStandardOutput());
            if (said_.contains(kind + " event"))
                return true;
            QTest::qWait(20);
        }
        return false;
    }

private:
    QProcess process_;
    QString said_;
    unsigned long id_ = 0;
};

} // namespace

class BoxesEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QCOMPARE(screenshot().size(), QSize(2560, 720));
        windowManager_.start("openbox", {"--sm-disable"});
        // Openbox has taken the screen once the root names its check window.
        QTRY_VERIFY_WITH_TIMEOUT(xpropRoot("_NET_SUPPORTING_WM_CHECK").contains("window id"),
                                 10000);
    }
    void cleanupTestCase() {
        windowManager_.terminate();
        windowManager_.waitForFinished(5000);
    }

    void badBoxesAreRefusedAndNothingIsStored_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no size") << "0x10+5+5"
                                 << "--box: '0x10+5+5' has no size";
        QTest::newRow("negative size") << "-10x10+5+5"
                                       << "--box: '-10x10+5+5' is not a box";
        QTest::newRow("off every screen") << "10x10+2560+0"
                                          << "--box: 10x10+2560+0 is on no screen";
        QTest::newRow("below the screens") << "10x10+5+720"
                                           << "--box: 10x10+5+720 is on no screen";
        QTest::newRow("wider than its screen")
            << "1281x10+0+0"
            << "--box: 1281x10+0+0 is larger than its screen of 1280x720";
    }
    void badBoxesAreRefusedAndNothingIsStored() {
        QFETCH(QString, box);
        QFETCH(QString, problem);
        resetStore({{"Box", "20x20+40+40"}});
        const QString store =
            QSettings(QSettings::IniFormat, QSettings::UserScope, "Varnhollow").fileName();
        const QByteArray stored = fileBytes(store);
        RunningProgram program;
        // Qt's own word on a missing runtime folder is no line of the program's.
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        program.setEnvironment("XDG_RUNTIME_DIR", runtime.path());
        program.setArguments({"--box", box});
        program.launch();
        QCOMPARE(program.exitCode(), 2);
        const QStringList said = program.output().split('\n', Qt::SkipEmptyParts);
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().startsWith("chromaflick: " + problem), qPrintable(said.first()));
        QCOMPARE(fileBytes(store), stored);
    }

    void aBoxFlashesOverAnotherWindowAndLeavesTheRestAlone() {
        WindowUnder under;
        QVERIFY(under.start(QRect(20, 20, 300, 180)));
        storeRedGreenBlue(400);
        RunningProgram program;
        const QImage before = waitForScreen(
            [&](const QImage&) { return absoluteGeometry(under.id()).width() == 300; });
        QVERIFY(!before.isNull());
        const QRect client = absoluteGeometry(under.id());
        const QRect box(client.topLeft() + QPoint(100, 50), QSize(48, 40));
        program.setArguments({"--box", QStringLiteral("48x40+%1+%2").arg(box.x()).arg(box.y())});
        QVERIFY(program.start());
        // The steps of the flash, in its order, in every pixel of the box.
        QImage shown;
        for (const QColor& color : {red, green, blue}) {
            shown = waitForBoxColor(box, color);
            QVERIFY2(!shown.isNull(), qPrintable(color.name()));
            const QString changed = changedOutside(before, shown, client, box);
            QVERIFY2(changed.isEmpty(), qPrintable(changed));
        }
        saveForLooking(shown.copy(client.adjusted(-30, -30, 30, 30)), "box-over-a-window");
        // A click beside the box reaches the window there, and the box stays above it.
        clickAt(box.topLeft() - QPoint(20, 20));
        QVERIFY(under.waitForEvent("ButtonPress"));
        QVERIFY(!waitForBoxColor(box, red).isNull());
        xdotool(
            {"mousemove", QString::number(box.center().x()), QString::number(box.center().y())});
        xdotool({"click", "1"});
        xdotool({"key", "Escape"});
        QVERIFY(!waitForScreen([&](const QImage& shot) {
                     return changedOutside(before, shot, client, QRect()).isEmpty();
                 }).isNull());
        QCOMPARE(program.closeMainWindow(), 0);
    }

    void keysPlaceTheBoxAndTheMenuBringsItBack() {
        resetStore();
        storeRedGreenBlue(400);
        RunningProgram program;
        program.setArguments({"--box", "41x41+600+300"});
        QVERIFY(program.start());
        const unsigned long box = waitForOtherWindow(boxTitle, program.mainWindowId());
        QVERIFY(box);
        QVERIFY(waitForGeometry(box, QRect(600, 300, 41, 41)));
        QString states = notKeptAboveAndOutOfTaskbar(box);
        QVERIFY2(states.isEmpty(), qPrintable(states));
        QCOMPARE(storedValue("Box"), QStringLiteral("41x41+600+300"));
        // Dragged by the left button, which gives it the keyboard too.
        xdotool({"mousemove", "620", "320", "mousedown", "1", "mousemove", "650", "340", "mouseup",
                 "1"});
        QRect expected(630, 320, 41, 41);
        QVERIFY(waitForGeometry(box, expected));
        const struct {
            const char* key;
            QPoint by;
        } moves[] = {
            {"Right", {1, 0}}, {"Down", {0, 1}}, {"shift+Left", {-10, 0}}, {"shift+Up", {0, -10}}};
        for (const auto& move : moves) {
            xdotool({"key", move.key});
            expected.translate(move.by);
            QVERIFY2(waitForGeometry(box, expected), move.key);
        }
        const QPoint centre = expected.center();
        xdotool({"key", "plus"});
        expected.adjust(-1, -1, 1, 1);
        QVERIFY(waitForGeometry(box, expected));
        QCOMPARE(expected.center(), centre);
        QCOMPARE(expected.size(), QSize(43, 43));
        // The geometry line shows in the box while it changes, then goes.
        QVERIFY(!waitForScreen([&](const QImage& shot) {
                     return !uniformColor(shot, expected).isValid();
                 }).isNull());
        saveForLooking(screenshot().copy(expected.adjusted(-40, -40, 40, 40)), "box-geometry-line");
        QVERIFY(!waitForScreen([&](const QImage& shot) {
                     return uniformColor(shot, expected).isValid();
                 }).isNull());
        QTRY_COMPARE(storedValue("Box"), QStringLiteral("43x43+620+310"));
        xdotool({"key", "Escape"});
        QVERIFY(waitUntilHidden(box));
        QCOMPARE(program.closeMainWindow(), 0);

        // The next run's menu item opens it where it was left.
        RunningProgram again;
        QVERIFY(again.start());
        // Under a reparenting manager only the server's own geometry is exact.
        const QPoint start = startButtonOf(absoluteGeometry(again.mainWindowId()).topLeft());
        xdotool({"mousemove", QString::number(start.x()), QString::number(start.y())});
        const QImage withoutMenu = screenshot();
        xdotool({"click", "3"});
        // Below the pointer, or above it where the screen ends too soon.
        const QPoint below = start + QPoint(40, 30);
        const QPoint above = start + QPoint(40, -30);
        QVERIFY(!waitForScreen([&](const QImage& shot) {
                     return shot.pixel(below) != withoutMenu.pixel(below) ||
                            shot.pixel(above) != withoutMenu.pixel(above);
                 }).isNull());
        // This screen, all screens, the two monitors, then "Flash a Box".
        xdotool({"key", "Down", "Down", "Down", "Down", "Down", "Return"});
        const unsigned long reopened = waitForOtherWindow(boxTitle, again.mainWindowId());
        QVERIFY(reopened);
        QVERIFY(waitForGeometry(reopened, QRect(620, 310, 43, 43)));
        // Opened from the menu, it is kept out of the task bar as well.
        states = notKeptAboveAndOutOfTaskbar(reopened);
        QVERIFY2(states.isEmpty(), qPrintable(states));
        xdotool({"key", "Escape"});
        QVERIFY(waitUntilHidden(reopened));
        QCOMPARE(again.closeMainWindow(), 0);
    }

    void boxesOnTwoMonitorsShowTheSameStep() {
        storeRedGreenBlue(400);
        RunningProgram program;
        // One in the middle of each monitor.
        program.setArguments({"--all-screens", "--box", "30x30"});
        QVERIFY(program.start());
        const QRect leftBox(625, 345, 30, 30);
        const QRect rightBox(1905, 345, 30, 30);
        for (const QColor& color : {red, green, blue}) {
            QVERIFY2(!waitForScreen([&](const QImage& shot) {
                          return uniformColor(shot, leftBox) == color &&
                                 uniformColor(shot, rightBox) == color;
                      }).isNull(),
                     qPrintable(color.name()));
        }
        xdotool({"key", "Escape"});
        QCOMPARE(program.closeMainWindow(), 0);
    }

    // Two boxes on one screen: every step on its refresh, and on the same refresh in both.
    void lockedBoxesShowEveryStepOnTheSameRefresh() {
        storeSolidCycle({"RGB(60, 60, 60)", "RGB(64, 64, 64)"}, 1000);
        QTemporaryDir folder;
        const QString log = folder.filePath("steps.csv");
        RunningProgram program;
        program.setArguments({"--box", "64x64+200+200", "--box", "64x64+400+200", "--frames", "2",
                              "--duration", "3", "--log", log});
        QVERIFY(program.start());
        QString said;
        QDeadlineTimer deadline(30000);
        // One line a box, the last one's last.
        const QRegularExpression summary("flash on 64x64\\+400\\+200: \\d+ steps");
        while (!said.contains(summary) && !deadline.hasExpired()) {
            QTest::qWait(100);
            said += program.output();
        }
        QCOMPARE(program.closeMainWindow(), 0);
        QVERIFY2(said.contains(summary), qPrintable(said));
        QMap<QString, QList<LogRow>> byBox;
        for (const LogRow& row : readStepLog(log))
            byBox[row.screen] << row;
        QCOMPARE(byBox.keys(), (QStringList{"64x64+200+200", "64x64+400+200"}));
        for (QList<LogRow>& rows : byBox) {
            QVERIFY2(rows.size() >= 60, qPrintable(QString::number(rows.size())));
            std::stable_sort(rows.begin(), rows.end(),
                             [](const LogRow& a, const LogRow& b) { return a.step < b.step; });
            // Steps cut off by the close have no report; of the others, only what a busy machine
            // may make late.
            int late = 0;
            for (qsizetype i = 0; i < rows.size(); ++i) {
                QCOMPARE(rows[i].step, int(i + 1));
                if (rows[i].missed == u"missed")
                    continue;
                if (!rows[i].onTarget()) {
                    ++late;
                    continue;
                }
                if (i > 0 && rows[i - 1].onTarget())
                    QCOMPARE(*rows[i].targetMsc, *rows[i - 1].targetMsc + 2);
            }
            QVERIFY2(late <= lateOnABusyMachine(rows.size()), qPrintable(QString::number(late)));
        }
        const QList<LogRow>& left = byBox.first();
        const QList<LogRow>& right = byBox.last();
        // Planned for the same refresh, and shown on it but where Xvfb tells one box late.
        for (qsizetype i = 0; i < std::min(left.size(), right.size()); ++i) {
            if (left[i].targetMsc && right[i].targetMsc)
                QVERIFY2(*left[i].targetMsc == *right[i].targetMsc,
                         qPrintable(QStringLiteral("step %1 planned for refreshes %2 and %3")
                                        .arg(i + 1)
                                        .arg(*left[i].targetMsc)
                                        .arg(*right[i].targetMsc)));
            if (left[i].onTarget() && right[i].onTarget())
                QCOMPARE(*left[i].shownMsc, *right[i].shownMsc);
        }
    }

private:
    static QString xpropRoot(const char* property) {
        QProcess xprop;
        xprop.start("xprop", {"-root", property});
        xprop.waitForFinished(5000);
        return QString::fromLocal8Bit(xprop.readAllStandardOutput());
    }

    QProcess windowManager_;
};

CHROMAFLICK_TEST_MAIN(BoxesEndToEnd)
#include "tst_e2e_boxes.moc"
