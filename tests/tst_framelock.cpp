#include "core/colorvalue.h"
#include "core/drawingsurface.h"
#include "core/gradientpainter.h"
#include "core/photodiodemarker.h"
#include "core/virtualkey.h"
#include "platform/framelogfile.h"
#include "platform/imagesurface.h"
#include "platform/steppresenter.h"
#include "scripteddialogs.h"
#include "testsupport.h"
#include "ui/flashsession.h"
#include "ui/flashsource.h"
#include "ui/form2.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const std::int32_t A = rgb(255, 0, 0);
const std::int32_t B = rgb(0, 255, 0);
const std::int32_t C = rgb(0, 0, 255);

class LockSource final : public FlashSource {
public:
    QStringList entries{"RGB(255, 0, 0)", "RGB(0, 255, 0)", "RGB(0, 0, 255)"};
    ColorMode mode = ColorMode::Solid;
    QString delay = QStringLiteral("100");
    bool lock = false;

    QStringList colorEntries() const override { return entries; }
    FlashSettings flashSettings() const override {
        return {FlashOrder::Cycle, mode, GradientDirection::LeftToRight, delay};
    }
    QList<QScreen*> flashScreens() const override { return {QGuiApplication::primaryScreen()}; }
    bool frameLock() const override { return lock; }
};

// A display whose refreshes the test makes: every present is queued, and the test reports them
// shown, late or skipped as it likes.
class FakePresenter final : public StepPresenter {
public:
    struct Queued {
        std::uint64_t serial;
        FlashPicture picture;
        bool restarted = false; // on the next refresh, not on its planned slot
    };
    int held = 0;
    bool available = true;
    int* endings = nullptr; // outlives the presenter, which the close destroys
    int again = 0;
    bool restartAsked = false;
    int room = 2;
    std::uint64_t msc = 1000;
    std::vector<Queued> queued;
    std::vector<Queued> everything;

    bool begin(int heldRefreshes) override {
        held = heldRefreshes;
        return available;
    }
    void end() override { ++*endings; }
    void present(const FlashPicture& picture, std::uint64_t serial) override {
        const bool restarted = std::exchange(restartAsked, false);
        queued.push_back({serial, picture, restarted});
        everything.push_back({serial, picture, restarted});
    }
    void restart() override { restartAsked = true; }
    void presentAgain() override { ++again; }
    bool hasRoom() const override { return int(queued.size()) < room; }
    double refreshRate() const override { return 60; }

    // The oldest queued picture reaches the screen this many refreshes late, or never.
    void showOldest(int late = 0, bool skipped = false) {
        QVERIFY(!queued.empty());
        const Queued oldest = queued.front();
        queued.erase(queued.begin());
        StepShown when;
        msc += std::uint64_t(held);
        when.targetMsc = msc;
        when.shownMsc = msc + std::uint64_t(late);
        when.shownUs = std::int64_t(msc) * 16667;
        when.missed = late;
        when.skipped = skipped;
        emit shown(oldest.serial, when);
        emit ready();
    }
};

// The pixels a marker must cover and those just beyond it, on a surface of this size: its two
// far corners, and a pixel past each of its inner edges.
struct MarkerPixels {
    QList<QPoint> inside;
    QList<QPoint> beyond;
};
MarkerPixels markerPixels(QSize size, bool left, bool top, int side) {
    const int x = left ? 0 : size.width() - side;
    const int y = top ? 0 : size.height() - side;
    return {{QPoint(x, y), QPoint(x + side - 1, y + side - 1)},
            {QPoint(left ? x + side : x - 1, y), QPoint(x, top ? y + side : y - 1)}};
}

QColor pixelOf(const FlashPicture& picture, QSize size, QPoint at) {
    QImage image(size, QImage::Format_RGB32);
    {
        ImageSurface surface(image);
        picture.background(surface, size);
    }
    return image.pixelColor(at);
}

} // namespace

class FrameLockTest : public QObject {
    Q_OBJECT

    LockSource source;
    ScriptedDialogs dialogs;
    std::vector<FakePresenter*> presenters;
    int endings = 0;

    void lockWith(FlashSession& flash, bool available = true) {
        presenters.clear();
        endings = 0;
        flash.setPresenterFactory([this, available](Form2&) {
            auto presenter = std::make_unique<FakePresenter>();
            presenter->available = available;
            presenter->endings = &endings;
            presenters.push_back(presenter.get());
            return presenter;
        });
    }

private slots:
    void init() { source = LockSource(); }

    void heldRefreshes_data() {
        QTest::addColumn<QString>("delay");
        QTest::addColumn<int>("frames"); // 0: none given
        QTest::addColumn<int>("held");
        QTest::newRow("delay rounded to refreshes") << "100" << 0 << 6;
        QTest::newRow("a short delay is one refresh") << "5" << 0 << 1;
        QTest::newRow("frames over the delay") << "100" << 2 << 2;
        QTest::newRow("frames with a delay that never ticks") << "0" << 3 << 3;
    }
    void heldRefreshes() {
        QFETCH(QString, delay);
        QFETCH(int, frames);
        QFETCH(int, held);
        source.delay = delay;
        source.lock = frames == 0;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        if (frames > 0)
            flash.setHeldRefreshes(frames);
        flash.showFlash();
        QVERIFY(flash.isLocked());
        QCOMPARE(presenters.size(), std::size_t(1));
        QCOMPARE(presenters[0]->held, held);
        QCOMPARE(flash.heldRefreshes(), held);
        // The refreshes pace it, not the timer.
        QVERIFY(!flash.timerRunning());
        QVERIFY(flash.views().constFirst()->isPresented());
        flash.close();
        QCOMPARE(endings, 1);
        QVERIFY(!flash.views().constFirst()->isPresented());
    }

    void noLockWithoutAsking() {
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.showFlash();
        QVERIFY(!flash.isLocked());
        QVERIFY(presenters.empty());
        QVERIFY(flash.timerRunning());
        QCOMPARE(flash.timerInterval(), 100);
        flash.close();
    }

    void delayThatNeverTicksStaysSoUnderTheLock() {
        source.delay = "0";
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.showFlash();
        QVERIFY(!flash.isLocked());
        QVERIFY(!flash.timerRunning());
        flash.close();
    }

    void fallsBackToTheTimer_data() {
        QTest::addColumn<int>("frames");
        QTest::addColumn<int>("interval");
        QTest::newRow("stored lock keeps the delay") << 0 << 100;
        QTest::newRow("two refreshes at 60 Hz") << 2 << 33;
        QTest::newRow("six refreshes at 60 Hz") << 6 << 100;
    }
    void fallsBackToTheTimer() {
        QFETCH(int, frames);
        QFETCH(int, interval);
        source.lock = frames == 0;
        FlashSession flash(source, dialogs);
        lockWith(flash, false);
        if (frames > 0)
            flash.setHeldRefreshes(frames);
        flash.showFlash();
        QVERIFY(!flash.isLocked());
        QVERIFY(!flash.views().constFirst()->isPresented());
        QVERIFY(flash.timerRunning());
        // The offscreen screen reports 60 Hz.
        QCOMPARE(flash.timerInterval(), interval);
        flash.close();
    }

    void everyTickIsPresentedAndLoggedAsShown() {
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        QList<StepShown> rows;
        connect(&flash, &FlashSession::stepShown, this,
                [&rows](const StepShown& shown) { rows << shown; });
        flash.showFlash();
        FakePresenter& display = *presenters[0];
        // The opening picture first, then the queue fills to its room at once.
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        QCOMPARE(display.queued[0].serial, std::uint64_t(0));
        QCOMPARE(display.queued[1].serial, std::uint64_t(1));
        const QSize size = flash.views().constFirst()->devicePixelSize();
        const QPoint middle(size.width() / 2, size.height() / 2);
        QCOMPARE(pixelOf(display.queued[1].picture, size, middle), colorToQColor(A));
        // A, B, C, C (the rewind tick shows nothing new), A.
        const std::int32_t expected[] = {A, B, C, C, A, B};
        for (int i = 0; i < 6; ++i) {
            display.showOldest(i == 2 ? 1 : 0, i == 4);
            QTRY_COMPARE(display.queued.size(), std::size_t(2));
        }
        // The opening picture is no step.
        QCOMPARE(rows.size(), 5);
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].step, i + 1);
            QCOMPARE(rows[i].firstColor, expected[i]);
            QVERIFY(!rows[i].secondColor);
            QCOMPARE(rows[i].screen, QGuiApplication::primaryScreen()->name());
            QVERIFY(rows[i].targetMsc);
        }
        QCOMPARE(rows[1].missed, qint64(1));
        QCOMPARE(rows[3].skipped, true);
        QCOMPARE(flash.tally().steps(), 5);
        QCOMPARE(flash.tally().missed(), qint64(1));
        QCOMPARE(flash.tally().skipped(), 1);
        // The rewind tick presents the same color again, so it holds its refreshes too.
        for (const FakePresenter::Queued& queued : display.everything) {
            if (queued.serial == 4)
                QCOMPARE(pixelOf(queued.picture, size, middle), colorToQColor(C));
        }
        flash.close();
    }

    void pauseHoldsThePresentedStep() {
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.showFlash();
        FakePresenter& display = *presenters[0];
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        flash.togglePause();
        // The readout joins the picture at once, outside the steps.
        QCOMPARE(display.queued.size(), std::size_t(3));
        QCOMPARE(display.queued.back().serial, std::uint64_t(0));
        QVERIFY(display.queued.back().restarted);
        QVERIFY(!display.queued.front().restarted);
        const Form2& window = *flash.views().constFirst();
        QCOMPARE(display.queued.back().picture.overlays.size(), std::size_t(2));
        // Under the lock the readout tells the refresh rate too.
        QCOMPARE(window.readout().text(), "RGB(255, 0, 0), step 1, 60.00 Hz");
        QCOMPARE(display.queued.back().picture.overlays.back().at,
                 QPoint(0, window.devicePixelSize().height() - window.readout().height()));
        for (int i = 0; i < 3; ++i)
            display.showOldest();
        QTest::qWait(20);
        QVERIFY(display.queued.empty());
        // A step by hand is presented and logged as a tick.
        QList<StepShown> rows;
        connect(&flash, &FlashSession::stepShown, this,
                [&rows](const StepShown& shown) { rows << shown; });
        flash.keyPressed(VirtualKey::Right);
        QCOMPARE(display.queued.size(), std::size_t(1));
        QCOMPARE(display.queued.back().serial, std::uint64_t(2));
        QVERIFY(display.queued.back().restarted);
        display.showOldest();
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].step, 2);
        QCOMPARE(rows[0].firstColor, B);
        const std::size_t before = display.everything.size();
        flash.togglePause();
        // Resuming shows the next step at once, and the queue fills again.
        QVERIFY(display.everything.size() > before);
        QVERIFY(display.everything[before].restarted);
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        QVERIFY(!display.queued.back().restarted);
        flash.close();
    }

    void gradientPictureAndHintOverlay() {
        source.lock = true;
        source.mode = ColorMode::Gradient;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.showFlash();
        FakePresenter& display = *presenters[0];
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        Form2& window = *flash.views().constFirst();
        const QSize size = window.devicePixelSize();
        const FlashPicture& first = display.queued[1].picture;
        // A at the left, B at the right.
        QCOMPARE(pixelOf(first, size, QPoint(size.width() - 1, 300)), colorToQColor(B));
        QImage painted(size, QImage::Format_RGB32);
        {
            ImageSurface surface(painted);
            PaintGradient(surface, PixelRect{0, 0, size.width(), size.height()}, A, B, false);
        }
        QCOMPARE(pixelOf(first, size, QPoint(0, 300)), painted.pixelColor(0, 300));
        QCOMPARE(pixelOf(first, size, QPoint(size.width() / 2, 300)),
                 painted.pixelColor(size.width() / 2, 300));
        // The hint lies over the step's own pixels, its text in the design's text color.
        QCOMPARE(first.overlays.size(), std::size_t(1));
        const FlashPicture::Overlay& hint = first.overlays.front();
        QCOMPARE(hint.at, QPoint(0, 0));
        QCOMPARE(hint.image.size(), window.Label1().size());
        QCOMPARE(hint.image.pixelColor(hint.image.width() - 1, hint.image.height() - 1),
                 pixelOf(first, size, QPoint(hint.image.width() - 1, hint.image.height() - 1)));
        int textPixels = 0;
        for (int x = 0; x < hint.image.width(); ++x) {
            for (int y = 0; y < hint.image.height(); ++y)
                textPixels += hint.image.pixelColor(x, y) != pixelOf(first, size, QPoint(x, y));
        }
        QVERIFY(textPixels > 100);
        // Hidden, the hint leaves the picture at the next refresh, not at the next step.
        for (const int key : {VirtualKey::H, VirtualKey::I, VirtualKey::D, VirtualKey::E})
            flash.keyPressed(key);
        QCOMPARE(display.queued.size(), std::size_t(3));
        QCOMPARE(display.queued.back().serial, std::uint64_t(0));
        QVERIFY(display.queued.back().restarted);
        QVERIFY(display.queued.back().picture.overlays.empty());
        display.showOldest();
        display.showOldest();
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        QVERIFY(display.queued.back().picture.overlays.empty());
        flash.close();
    }

    void uncoveringPresentsAgain() {
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.showFlash();
        Form2& window = *flash.views().constFirst();
        QTRY_COMPARE(presenters[0]->queued.size(), std::size_t(2));
        const int before = presenters[0]->again;
        QExposeEvent expose(QRegion(0, 0, 10, 10));
        QCoreApplication::sendEvent(window.windowHandle(), &expose);
        QCOMPARE(presenters[0]->again, before + 1);
        flash.close();
    }

    // The marker is in every presented picture and in the timer path's paint, white on odd
    // steps and black on even ones, exactly its size in its corner, while paused too.
    void markerFollowsTheStepParity_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<bool>("left");
        QTest::addColumn<bool>("top");
        QTest::addColumn<int>("side");
        QTest::addColumn<bool>("gradient");
        QTest::addColumn<bool>("locked");
        for (const bool locked : {true, false}) {
            const char* path = locked ? "locked" : "timer";
            QTest::addRow("%s, default", path) << "" << false << false << 48 << false << locked;
            QTest::addRow("%s, top-left 1", path)
                << "top-left:1" << true << true << 1 << true << locked;
            QTest::addRow("%s, top-right 100, gradient", path)
                << "top-right:100" << false << true << 100 << true << locked;
            QTest::addRow("%s, bottom-left", path)
                << "bottom-left" << true << false << 48 << false << locked;
        }
    }
    void markerFollowsTheStepParity() {
        QFETCH(QString, given);
        QFETCH(bool, left);
        QFETCH(bool, top);
        QFETCH(int, side);
        QFETCH(bool, gradient);
        QFETCH(bool, locked);
        source.lock = locked;
        source.mode = gradient ? ColorMode::Gradient : ColorMode::Solid;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.setMarker(readMarker(given).marker);
        QList<StepShown> rows;
        connect(&flash, &FlashSession::stepShown, this,
                [&rows](const StepShown& shown) { rows << shown; });
        flash.showFlash();
        Form2& window = *flash.views().constFirst();
        const QSize size = window.devicePixelSize();
        const MarkerPixels pixels = markerPixels(size, left, top, side);
        const auto check = [&](const QImage& image, std::uint64_t step) {
            const QColor marker = step % 2 ? Qt::white : Qt::black;
            for (const QPoint& at : pixels.inside)
                QVERIFY2(image.pixelColor(at) == marker,
                         qPrintable(QStringLiteral("step %1 at %2,%3 of %4x%5")
                                        .arg(step)
                                        .arg(at.x())
                                        .arg(at.y())
                                        .arg(image.width())
                                        .arg(image.height())));
            for (const QPoint& at : pixels.beyond) {
                QVERIFY(image.pixelColor(at) != QColor(Qt::white));
                QVERIFY(image.pixelColor(at) != QColor(Qt::black));
            }
        };
        const auto drawn = [size](const FlashPicture& picture) {
            QImage image(size, QImage::Format_RGB32);
            ImageSurface surface(image);
            picture.background(surface, size);
            return image;
        };
        std::uint64_t last = 0;
        if (locked) {
            for (int i = 0; i < 4; ++i) {
                QTRY_COMPARE(presenters[0]->queued.size(), std::size_t(2));
                presenters[0]->showOldest();
            }
            QTRY_COMPARE(presenters[0]->queued.size(), std::size_t(2));
            for (const FakePresenter::Queued& queued : presenters[0]->everything) {
                if (queued.serial > 0)
                    check(drawn(queued.picture), queued.serial);
                last = std::max(last, queued.serial);
            }
            QCOMPARE(last, std::uint64_t(5));
        } else {
            for (int i = 0; i < 4; ++i) {
                flash.Timer1_Timer();
                last = std::uint64_t(rows.constLast().step);
                check(window.grab().toImage(), last);
            }
            QCOMPARE(last, std::uint64_t(4));
        }
        // Paused, the picture with the readout keeps the marker of the step it holds.
        flash.togglePause();
        check(locked ? drawn(presenters[0]->everything.back().picture) : window.grab().toImage(),
              last);
        flash.close();
    }

    void timerPathLogsWithoutCounters() {
        QTemporaryDir folder;
        const QString path = folder.filePath("run.csv");
        FrameLogFile log;
        QCOMPARE(log.open(path), QString());
        FlashSession flash(source, dialogs);
        flash.setLog(&log);
        flash.showFlash();
        flash.Timer1_Timer();
        flash.Timer1_Timer();
        flash.close();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], "step,screen,first,second,target_msc,shown_msc,shown_us,missed");
        const QString screen = QGuiApplication::primaryScreen()->name();
        QVERIFY(
            QRegularExpression("^1," + QRegularExpression::escape(screen) + ",#ff0000,,,,\\d+,0$")
                .match(lines[1])
                .hasMatch());
        QVERIFY(
            QRegularExpression("^2," + QRegularExpression::escape(screen) + ",#00ff00,,,,\\d+,0$")
                .match(lines[2])
                .hasMatch());
        QCOMPARE(lines[3], QString());
    }

    void logRefusesWhatIsNoRegularFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("problem");
        QTest::newRow("device") << "/dev/null"
                                << "'null' is a device, not a file to write a log to";
        QTest::newRow("folder") << "/tmp"
                                << "'tmp' cannot be written: Is a directory";
        QTest::newRow("missing folder") << "/nonexistent/run.csv"
                                        << "'run.csv' cannot be written: No such file or directory";
    }
    void logRefusesWhatIsNoRegularFile() {
        QFETCH(QString, path);
        QFETCH(QString, problem);
        FrameLogFile log;
        QCOMPARE(log.open(path), problem);
        QVERIFY(!log.isOpen());
    }
};

CHROMAFLICK_TEST_MAIN(FrameLockTest)
#include "tst_framelock.moc"
