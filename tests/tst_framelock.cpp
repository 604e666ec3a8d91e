#include "core/colorvalue.h"
#include "core/drawingsurface.h"
#include "core/errortrap.h"
#include "core/gradientpainter.h"
#include "core/photodiodemarker.h"
#include "core/virtualkey.h"
#include "platform/clockmicroseconds.h"
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
#include <algorithm>

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
    int screens = 1; // a window each, all on the one screen there is

    QStringList colorEntries() const override { return entries; }
    FlashSettings flashSettings() const override {
        return {FlashOrder::Cycle, mode, GradientDirection::LeftToRight, delay};
    }
    QList<QScreen*> flashScreens() const override {
        return QList<QScreen*>(screens, QGuiApplication::primaryScreen());
    }
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
        // The clock the session reads too: a report is told at once.
        when.shownUs = monotonicMicroseconds();
        when.missed = late;
        when.skipped = skipped;
        emit shown(oldest.serial, when);
        emit ready();
    }
    // The oldest queued picture is given up on: the display says nothing of it.
    std::uint64_t leaveOldestUnreported() {
        const std::uint64_t serial = queued.front().serial;
        queued.erase(queued.begin());
        StepShown when;
        when.unconfirmed = true;
        when.shownUs = std::int64_t(msc) * 16667;
        emit unreported();
        emit shown(serial, when);
        return serial;
    }
    // The oldest queued picture replaces the one shown last before the refresh showed that.
    void showOldestOnTheRefreshBefore() {
        msc -= std::uint64_t(held);
        showOldest();
    }
};

QStringList logLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

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

    // The first screen's presenter, once the flash has sent it the two steps it keeps in flight.
    FakePresenter& showUntilTwoQueued(FlashSession& flash) {
        flash.showFlash();
        FakePresenter& display = *presenters[0];
        if (!QTest::qWaitFor([&] { return display.queued.size() == 2; }))
            QTest::qFail("the flash did not send two steps", __FILE__, __LINE__);
        return display;
    }

    void collectRows(FlashSession& flash, QList<StepShown>& rows) {
        connect(&flash, &FlashSession::stepShown, this,
                [&rows](const StepShown& shown) { rows << shown; });
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
        collectRows(flash, rows);
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
        QTRY_COMPARE(rows.size(), 5);
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

    // Under the lock too only the error report holds the steps back, without spinning while it
    // waits; answered, the steps go on by themselves.
    void onlyAReportHoldsTheLockedStepsBack_data() {
        QTest::addColumn<bool>("report");
        QTest::newRow("question") << false;
        QTest::newRow("error report") << true;
    }
    void onlyAReportHoldsTheLockedStepsBack() {
        QFETCH(bool, report);
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        FakePresenter& display = showUntilTwoQueued(flash);
        std::size_t sentWhileOpen = 0;
        dialogs.whileShown = [&] {
            const std::size_t before = display.everything.size();
            display.showOldest();
            QTest::qWait(100);
            sentWhileOpen = display.everything.size() - before;
        };
        if (report)
            ReportError(dialogs, "Broken", "in here ", 100);
        else
            dialogs.askYesNo("Clear?");
        dialogs.whileShown = nullptr;
        QCOMPARE(sentWhileOpen, std::size_t(report ? 0 : 1));
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        flash.close();
    }

    void everyScreenHasItsOwnSummary() {
        source.lock = true;
        source.screens = 2;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        QList<StepShown> rows;
        collectRows(flash, rows);
        flash.showFlash();
        QCOMPARE(presenters.size(), std::size_t(2));
        FakePresenter& first = *presenters[0];
        FakePresenter& second = *presenters[1];
        QTRY_COMPARE(first.queued.size(), std::size_t(2));
        // The opening pictures, then step 1: on time on the first screen, late on the second.
        for (FakePresenter* display : presenters)
            display->showOldest();
        QTRY_COMPARE(first.queued.size(), std::size_t(2));
        first.showOldest();
        second.showOldest(1);
        // Step 2 the second screen's compositor never reports, and then does, too late.
        QTRY_COMPARE(second.queued.size(), std::size_t(2));
        const std::uint64_t unreported = second.leaveOldestUnreported();
        const qsizetype written = rows.size();
        StepShown late;
        late.shownUs = 1;
        emit second.shown(unreported, late);
        QCOMPARE(rows.size(), written);
        QCOMPARE(rows.constLast().step, int(unreported));
        QVERIFY(rows.constLast().unconfirmed);
        QVERIFY(!rows.constLast().targetMsc && !rows.constLast().shownMsc);
        // The steps still in flight at the close are unconfirmed too.
        const int cutOffFirst = int(first.queued.size());
        const int cutOffSecond = int(second.queued.size());
        flash.close();
        QCOMPARE(flash.tallies().size(), std::size_t(2));
        QCOMPARE(flash.tallies()[0].missed(), qint64(0));
        QCOMPARE(flash.tallies()[0].unconfirmed(), cutOffFirst);
        QCOMPARE(flash.tallies()[1].steps(), 1);
        QCOMPARE(flash.tallies()[1].missed(), qint64(1));
        QCOMPARE(flash.tallies()[1].unconfirmed(), 1 + cutOffSecond);
        const QStringList summaries = flash.summaries();
        QCOMPARE(summaries.size(), 2);
        // The offscreen screen has no name: each line is told by its place.
        QVERIFY2(summaries[0].startsWith("flash on 1: 1 steps,") &&
                     !summaries[0].contains("the compositor"),
                 qPrintable(summaries[0]));
        QVERIFY2(summaries[1].contains(QStringLiteral(", 1 missed, 0 skipped, %1 unconfirmed: the "
                                                      "compositor does not report presentation "
                                                      "for this window")
                                           .arg(1 + cutOffSecond)),
                 qPrintable(summaries[1]));
    }

    void pauseHoldsThePresentedStep() {
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        FakePresenter& display = showUntilTwoQueued(flash);
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
        // The first step's row is written once its refresh is over.
        QTRY_COMPARE(flash.tally().steps(), 1);
        // A step by hand is presented and logged as a tick.
        QList<StepShown> rows;
        collectRows(flash, rows);
        flash.keyPressed(VirtualKey::Right);
        QCOMPARE(display.queued.size(), std::size_t(1));
        QCOMPARE(display.queued.back().serial, std::uint64_t(2));
        QVERIFY(display.queued.back().restarted);
        display.showOldest();
        QTRY_COMPARE(rows.size(), 1);
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

    void aStepReplacedWithinItsRefreshIsSkippedAndEveryStepSentHasItsRow() {
        source.lock = true;
        QTemporaryDir folder;
        const QString path = folder.filePath("run.csv");
        FrameLogFile log;
        QCOMPARE(log.open(path), QString());
        FlashSession flash(source, dialogs);
        flash.setLog(&log);
        lockWith(flash);
        QList<StepShown> rows;
        collectRows(flash, rows);
        FakePresenter& display = showUntilTwoQueued(flash);
        display.showOldest(); // the opening picture
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        display.showOldest();
        display.showOldestOnTheRefreshBefore();
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        display.showOldest();
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        // Steps 4 and 5 are still in flight when the flash closes.
        flash.close();
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows[0].step, 1);
        QVERIFY(rows[0].skipped);
        QCOMPARE(rows[1].step, 2);
        QVERIFY(!rows[1].skipped);
        QCOMPARE(rows[2].step, 3);
        QVERIFY(!rows[2].skipped && !rows[2].unconfirmed);
        for (const int step : {4, 5}) {
            QCOMPARE(rows[step - 1].step, step);
            QVERIFY(rows[step - 1].unconfirmed);
        }
        // The unconfirmed steps stay out of the other figures.
        QCOMPARE(flash.tally().steps(), 3);
        QCOMPARE(flash.tally().skipped(), 1);
        QCOMPARE(flash.tally().unconfirmed(), 2);
        const QStringList lines = logLines(path);
        QCOMPARE(lines.size(), 6);
        QVERIFY2(lines[1].endsWith(",skipped"), qPrintable(lines[1]));
        // Neither a counter nor a time is known of a step no report came for.
        const QString screen = QGuiApplication::primaryScreen()->name();
        QCOMPARE(lines[4], "4," + screen + ",#0000ff,,,,,missed");
        QCOMPARE(lines[5], "5," + screen + ",#ff0000,,,,,missed");
    }

    void aScreenThatCannotKeepUpMissesStepsInsteadOfQueueing() {
        source.lock = true;
        source.screens = 2;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        QList<StepShown> rows;
        collectRows(flash, rows);
        flash.showFlash();
        QCOMPARE(presenters.size(), std::size_t(2));
        FakePresenter& keeping = *presenters[0];
        const FakePresenter& stuck = *presenters[1];
        QTRY_COMPARE(keeping.queued.size(), std::size_t(2));
        for (int i = 0; i < 6; ++i) {
            keeping.showOldest();
            QTRY_COMPARE(keeping.queued.size(), std::size_t(2));
            QVERIFY(stuck.queued.size() <= std::size_t(stuck.room));
        }
        flash.close();
        // Each step has one row a screen: shown, in flight at the close, or skipped where the
        // screen had no room for it.
        const int steps =
            std::max_element(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
                return a.step < b.step;
            })->step;
        QVERIFY(steps >= 7);
        for (int step = 1; step <= steps; ++step) {
            const auto count = std::count_if(rows.begin(), rows.end(),
                                             [step](const StepShown& r) { return r.step == step; });
            QCOMPARE(count, 2);
        }
        const auto skipped =
            std::count_if(rows.begin(), rows.end(), [](const StepShown& r) { return r.skipped; });
        QCOMPARE(skipped, qsizetype(steps - 1));
    }

    void aPresenterThatBreaksDownLeavesTheFlashToTheTimer() {
        source.lock = true;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        flash.setHeldRefreshes(2);
        QList<StepShown> rows;
        collectRows(flash, rows);
        FakePresenter& display = showUntilTwoQueued(flash);
        display.showOldest();
        QTRY_COMPARE(display.queued.size(), std::size_t(2));
        emit display.failed(QStringLiteral("the display is gone"));
        QTRY_VERIFY(!flash.isLocked());
        QVERIFY(flash.timerRunning());
        QCOMPARE(flash.timerInterval(), 33);
        QVERIFY(!flash.views().constFirst()->isPresented());
        // The steps in flight are told, and the timer's ticks follow them.
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows[0].unconfirmed && rows[1].unconfirmed);
        QTRY_VERIFY(rows.size() >= 4);
        QCOMPARE(rows[2].step, 3);
        QVERIFY(!rows[2].unconfirmed && !rows[2].targetMsc);
        flash.close();
    }

    void gradientPictureAndHintOverlay() {
        source.lock = true;
        source.mode = ColorMode::Gradient;
        FlashSession flash(source, dialogs);
        lockWith(flash);
        FakePresenter& display = showUntilTwoQueued(flash);
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
        collectRows(flash, rows);
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
                                << "'tmp' is a folder, not a file to write a log to";
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
