// A flashing box as a native client of a headless sway (see headless-sway.sh), which offers
// layer-shell: the box is an overlay surface at exactly the asked place, no window of sway's.
#include "desktop.h"
#include "sway.h"
#include "testsupport.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QtTest>

namespace {

const QColor background(0x20, 0x20, 0x20);
const QString output = QStringLiteral("HEADLESS-1");
const QList<QColor> listColors{QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};

// Every pixel of the box shows this color, and every pixel that is neither the box's nor the
// main window's the output's background; empty when so, else the first pixel that does not.
QString faultOf(const QImage& shot, const QRect& box, const QRect& mainWindow,
                const QColor& shown) {
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor pixel(shot.pixel(x, y));
            if (box.contains(x, y) ? pixel != shown
                                   : !mainWindow.contains(x, y) && pixel != background)
                return QStringLiteral("(%1, %2) shows %3").arg(x).arg(y).arg(pixel.name());
        }
    }
    return {};
}

// A screenshot with the box at this place in one of the list's colors, and nothing else
// changed.
QImage waitForBoxAt(const QRect& box, const QRect& mainWindow, QString& fault) {
    return waitForScreen([] { return Sway::screenshot(output); },
                         [&](const QImage& shot) {
                             const QColor shown(shot.pixel(box.topLeft()));
                             fault = listColors.contains(shown)
                                         ? faultOf(shot, box, mainWindow, shown)
                                         : QStringLiteral("the box shows %1").arg(shown.name());
                             return fault.isEmpty();
                         });
}

} // namespace

class BoxesOnSway : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("SWAYSOCK"), "run beside sway (headless-sway.sh)");
    }

    void anOverlayBoxStandsAtItsPlaceAndTheArrowsMoveIt() {
        storeSolidCycle({"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"}, 400);
        RunningProgram program;
        Sway::host(program);
        program.setArguments({"--box", "64x48+100+100"});
        program.launch();
        // The main window floats aside, so that every pixel around the box is the output's.
        QVERIFY(!Sway::waitForWindows(program.processId(), [](const QList<Sway::Window>& windows) {
                     return windows.size() == 1;
                 }).isEmpty());
        Sway::message({QStringLiteral("[pid=%1] floating enable, move position 400 200")
                           .arg(program.processId())});
        const QList<Sway::Window> windows =
            Sway::waitForWindows(program.processId(), [](const QList<Sway::Window>& windows) {
                return windows.size() == 1 && windows.first().rect.topLeft() == QPoint(400, 200);
            });
        QString said = program.output();
        QVERIFY2(!windows.isEmpty(), qPrintable(said));
        const QRect mainWindow = windows.first().rect;
        QRect box(100, 100, 64, 48);
        QString fault;
        // Each of the list's steps, exactly at the asked place.
        QList<QColor> seen;
        QDeadlineTimer deadline(20000);
        while (seen.size() < listColors.size() && !deadline.hasExpired()) {
            const QImage shot = waitForBoxAt(box, mainWindow, fault);
            QVERIFY2(!shot.isNull(), qPrintable(fault));
            const QColor shown(shot.pixel(box.topLeft()));
            if (seen.isEmpty())
                saveForLooking(shot, "box-sway-overlay");
            if (!seen.contains(shown))
                seen << shown;
        }
        QCOMPARE(seen.size(), listColors.size());
        // The box has the keyboard from its opening, as on X11.
        const struct {
            const char* key;
            QMargins by; // left, top, right, bottom moved out
        } changes[] = {{"Right", {-1, 0, 1, 0}}, {"Down", {0, -1, 0, 1}}, {"plus", {1, 1, 1, 1}}};
        for (const auto& change : changes) {
            Sway::pressKey(change.key);
            box = box.marginsAdded(change.by);
            // Once its geometry line has gone.
            QVERIFY2(!waitForBoxAt(box, mainWindow, fault).isNull(),
                     qPrintable(QStringLiteral("%1: %2").arg(change.key, fault)));
        }
        Sway::pressKey("Escape");
        QVERIFY2(!waitForScreen([] { return Sway::screenshot(output); },
                                [&](const QImage& shot) {
                                    fault = faultOf(shot, QRect(), mainWindow, background);
                                    return fault.isEmpty();
                                })
                      .isNull(),
                 qPrintable(fault));
        Sway::message({QStringLiteral("[pid=%1] kill").arg(program.processId())});
        QCOMPARE(program.exitCode(), 0);
        said += program.output();
        QCOMPARE(said.count("the boxes are overlays at their exact places"), 1);
    }
};

CHROMAFLICK_TEST_MAIN(BoxesOnSway)
#include "tst_e2e_boxes_sway.moc"
