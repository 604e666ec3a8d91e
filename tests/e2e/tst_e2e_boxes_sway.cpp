// A flashing box as a native client of a headless sway (see headless-sway.sh), which offers no
// way to place a window the program could use: sway places the box, at the size asked for.
#include "desktop.h"
#include "sway.h"
#include "testsupport.h"

#include <QApplication>
#include <QtTest>

namespace {

const QColor background(0x20, 0x20, 0x20);
const QString output = QStringLiteral("HEADLESS-1");
const QString boxTitle = QStringLiteral("Chromaflick color flash");

std::optional<Sway::Window> boxIn(const QList<Sway::Window>& windows) {
    for (const Sway::Window& window : windows)
        if (window.title == boxTitle)
            return window;
    return std::nullopt;
}

bool isListColor(const QColor& color) {
    return color == QColor(255, 0, 0) || color == QColor(0, 255, 0) || color == QColor(0, 0, 255);
}

// Every pixel of the box shows one color of the list, and every pixel that is neither the box's
// nor the main window's the output's background.
QString faultOf(const QImage& shot, const QRect& box, const QRect& mainWindow) {
    const QColor shown(shot.pixel(box.topLeft()));
    if (!isListColor(shown))
        return QStringLiteral("the box shows %1").arg(shown.name());
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

} // namespace

class BoxesOnSway : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY2(qEnvironmentVariableIsSet("SWAYSOCK"), "run beside sway (headless-sway.sh)");
    }

    void swayPlacesTheBoxAtItsSizeAndPlusGrowsIt() {
        storeSolidCycle({"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"}, 400);
        RunningProgram program;
        Sway::host(program);
        program.setArguments({"--box", "64x48+100+100"});
        program.launch();
        const auto floatsAtItsSize = [](const QSize& size) {
            return [size](const QList<Sway::Window>& windows) {
                const std::optional<Sway::Window> box = boxIn(windows);
                return box && box->rect.size() == size && windows.size() == 2;
            };
        };
        QList<Sway::Window> windows =
            Sway::waitForWindows(program.processId(), floatsAtItsSize(QSize(64, 48)));
        QString said = program.output();
        QVERIFY2(!windows.isEmpty(), qPrintable(said));
        const QRect box = boxIn(windows)->rect;
        QRect mainWindow;
        for (const Sway::Window& window : windows)
            if (window.title != boxTitle)
                mainWindow = window.rect;
        QString fault;
        const QImage shot = waitForScreen([&] { return Sway::screenshot(output); },
                                          [&](const QImage& shot) {
                                              fault = faultOf(shot, box, mainWindow);
                                              return fault.isEmpty();
                                          });
        QVERIFY2(!shot.isNull(), qPrintable(fault));
        saveForLooking(shot, "box-sway");
        // The box has the keyboard: + grows it, - shrinks it back.
        Sway::pressKey("plus");
        QVERIFY(
            !Sway::waitForWindows(program.processId(), floatsAtItsSize(QSize(66, 50))).isEmpty());
        Sway::pressKey("minus");
        QVERIFY(
            !Sway::waitForWindows(program.processId(), floatsAtItsSize(QSize(64, 48))).isEmpty());
        Sway::pressKey("Escape");
        QVERIFY(!Sway::waitForWindows(program.processId(), [](const QList<Sway::Window>& windows) {
                     return windows.size() == 1 && !boxIn(windows);
                 }).isEmpty());
        Sway::message({QStringLiteral("[pid=%1] kill").arg(program.processId())});
        QCOMPARE(program.exitCode(), 0);
        said += program.output();
        QCOMPARE(said.count("the compositor places the boxes"), 1);
    }
};

CHROMAFLICK_TEST_MAIN(BoxesOnSway)
#include "tst_e2e_boxes_sway.moc"
