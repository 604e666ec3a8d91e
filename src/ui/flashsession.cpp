#include "ui/flashsession.h"

#include "core/boxgeometry.h"
#include "core/colorentry.h"
#include "core/dialogs.h"
#include "core/errortrap.h"
#include "core/failure.h"
#include "core/framelog.h"
#include "core/numbertext.h"
#include "core/stepcolors.h"
#include "core/stepreadout.h"
#include "core/storedlist.h"
#include "core/virtualkey.h"
#include "platform/appicon.h"
#include "platform/clockmicroseconds.h"
#include "platform/framelogfile.h"
#include "platform/plasmataskbarhint.h"
#include "platform/screensaverinhibitor.h"
#include "platform/systemlog.h"
#include "ui/boxplacement.h"
#include "ui/desktoppixels.h"
#include "ui/flashsource.h"
#include "ui/form2.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// About a refresh: how soon the lock looks again for room while a report is open.
constexpr int reportRetryMilliseconds = 16;

bool isHideLetter(int keyCode) {
    switch (keyCode) {
    case VirtualKey::H:
    case VirtualKey::Numpad8:
    case VirtualKey::I:
    case VirtualKey::Numpad9:
    case VirtualKey::D:
    case VirtualKey::Numpad4:
    case VirtualKey::E:
    case VirtualKey::Numpad5:
        return true;
    default:
        return false;
    }
}

} // namespace

FlashSession::FlashSession(const FlashSource& source, Dialogs& dialogs)
    : source_(source), dialogs_(dialogs) {
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, this, &FlashSession::Timer1_Timer);

    durationTimer_ = new QTimer(this);
    durationTimer_->setSingleShot(true);
    // A coarse timer may end a timed run up to 5% early.
    durationTimer_->setTimerType(Qt::PreciseTimer);
    connect(durationTimer_, &QTimer::timeout, this, &FlashSession::close);

    connect(&lock_, &FrameLock::decided, this, &FlashSession::recordDecided);
    connect(&lock_, &FrameLock::unreported, this, &FlashSession::noteUnreported);
    connect(&lock_, &FrameLock::failed, this, &FlashSession::presenterFailed);
    connect(&lock_, &FrameLock::shownFirst, this, [this](const StepShown& row) {
        if (patchMode_)
            emit patchShown(row);
    });
    // The first screen's refreshes set the ticks for all: one step each, every screen.
    connect(&lock_, &FrameLock::ready, this, &FlashSession::tickIfRoom, Qt::QueuedConnection);

    screenSaver_ = new ScreenSaverInhibitor(this);
    taskbarHint_ = new PlasmaTaskbarHint(this);
}

FlashSession::~FlashSession() = default;

void FlashSession::provideViews(qsizetype count) {
    count = std::max<qsizetype>(count, 1);
    views_.resize(static_cast<std::size_t>(count));
    for (std::unique_ptr<Form2>& view : views_) {
        if (view)
            continue;
        view = std::make_unique<Form2>();
        view->setMarker(marker_);
        connect(view.get(), &Form2::keyDown, this, &FlashSession::keyPressed);
        connect(view.get(), &Form2::closed, this, &FlashSession::close);
        if (!boxes_.isEmpty())
            connect(new BoxPlacement(*view), &BoxPlacement::placedByHand, this,
                    &FlashSession::boxPlaced);
        connect(view.get(), &Form2::painted, this, &FlashSession::recordAfterPaint);
    }
}

QList<Form2*> FlashSession::views() const {
    QList<Form2*> views;
    for (const std::unique_ptr<Form2>& view : views_)
        views << view.get();
    return views;
}

bool FlashSession::isVisible() const {
    return std::any_of(views_.begin(), views_.end(),
                       [](const std::unique_ptr<Form2>& view) { return view->isOnScreen(); });
}

void FlashSession::setDuration(std::optional<std::chrono::milliseconds> duration) {
    duration_ = duration;
}

void FlashSession::setBoxes(const QList<QRect>& boxes) {
    boxes_ = boxes;
}

void FlashSession::setHeldRefreshes(std::optional<int> refreshes) {
    heldRefreshes_ = refreshes;
}

void FlashSession::setMarker(std::optional<PhotodiodeMarker> marker) {
    marker_ = marker;
    for (const std::unique_ptr<Form2>& view : views_)
        view->setMarker(marker);
}

void FlashSession::setPresenterFactory(FrameLock::PresenterFactory factory) {
    lock_.setPresenterFactory(std::move(factory));
}

void FlashSession::showFlash() {
    if (isVisible()) {
        for (const std::unique_ptr<Form2>& view : views_)
            view->raise();
        views_.front()->activateWindow();
        return;
    }
    QList<QScreen*> screens;
    for (const QRect& box : boxes_)
        screens << screenOfBox(box);
    if (boxes_.isEmpty())
        screens = source_.flashScreens();
    provideViews(screens.size());
    for (const std::unique_ptr<Form2>& view : views_)
        view->resetForOpening();
    shownStep_ = std::monostate{};
    paused_ = false;
    durationLeft_.reset();
    stepper_.reset();
    Form_Load();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        const auto at = qsizetype(i);
        if (at < boxes_.size())
            views_[i]->showAsBox(boxes_[at]);
        else
            views_[i]->cover(at < screens.size() ? screens[at] : nullptr);
    }
    tellInexactScreens(screens);
    startPacing();
    QList<QWindow*> windows;
    for (const std::unique_ptr<Form2>& view : views_)
        windows << view->windowHandle();
    screenSaver_->hold(boxes_.isEmpty() ? tr("Flashing colors over the whole screen")
                                        : tr("Flashing boxes over stuck pixels"),
                       windows);
    taskbarHint_->hold(windows);
    if (duration_)
        durationTimer_->start(*duration_);
    Form2& keyboard = *views_.front();
    keyboard.activateWindow();
    keyboard.setFocus(Qt::ActiveWindowFocusReason);
}

void FlashSession::close() {
    // Each window's closing closes the session again.
    if (closing_)
        return;
    closing_ = true;
    const bool wasOpen = isVisible();
    timer1_->stop();
    stopPacing();
    durationTimer_->stop();
    screenSaver_->release();
    taskbarHint_->release();
    for (const std::unique_ptr<Form2>& view : views_)
        view->close();
    if (wasOpen) {
        for (const QString& summary : summaries()) {
            std::fprintf(stderr, "chromaflick: %s\n", qPrintable(summary));
            tellSystemLog(summary);
        }
    }
    waitingPatch_.reset();
    awaitingPaint_ = false;
    closing_ = false;
    if (wasOpen)
        emit closed();
}

QStringList FlashSession::summaries() const {
    if (tallies_.size() == 1)
        return {tallies_.front().summary()};
    QStringList lines;
    for (std::size_t i = 0; i < tallies_.size(); ++i) {
        const QString name = viewName(i);
        // A screen the system gives no name is told by its place.
        lines << tallies_[i].summary(name.isEmpty() ? QString::number(i + 1) : name);
    }
    return lines;
}

void FlashSession::startPacing() {
    stepNumber_ = 0;
    unreportedTold_ = false;
    tallies_.assign(views_.size(), FlashTally());
    for (std::size_t i = 0; i < views_.size(); ++i) {
        const QScreen* screen = views_[i]->screen();
        tallies_[i].setReportedRate(screen ? screen->refreshRate() : 0);
    }
    for (const std::unique_ptr<Form2>& view : views_)
        view->setMarkerStep(0);
    const QScreen* screen = views_.front()->screen();
    const double reportedRate = screen ? screen->refreshRate() : 0;
    // A delay of 0, or one that failed, never ticks: the lock does not make it tick.
    if (!heldRefreshes_ && !(source_.frameLock() && timer1_->interval() > 0))
        return;
    const auto holdAt = [this](double rate) {
        return heldRefreshes_ ? *heldRefreshes_ : refreshesForDelay(timer1_->interval(), rate);
    };
    QString refusal;
    const bool provided = lock_.provide(views(), refusal);
    const double rate = provided ? lock_.refreshRate() : reportedRate;
    held_ = holdAt(rate);
    if (!provided || !lock_.begin(held_)) {
        if (!std::exchange(fallbackTold_, true)) {
            const QString told = refusal.isEmpty()
                                     ? tr("this display offers no way to hold colors to its "
                                          "refreshes; the timer paces the flash")
                                     : tr("%1; the timer paces the flash").arg(refusal);
            std::fprintf(stderr, "chromaflick: %s\n", qPrintable(told));
        }
        paceByTimer(rate);
        return;
    }
    timer1_->stop();
    for (std::size_t i = 0; i < views_.size(); ++i)
        tallies_[i].setReportedRate(lock_.refreshRate(i));
    QMetaObject::invokeMethod(this, &FlashSession::tickIfRoom, Qt::QueuedConnection);
}

void FlashSession::paceByTimer(double rate) {
    // Patches come when the program sends them.
    if (patchMode_)
        return;
    if (heldRefreshes_ && rate > 0)
        timer1_->setInterval(std::max(1, int(std::lround(held_ * 1000.0 / rate))));
    if (timer1_->interval() > 0 && !paused_)
        timer1_->start();
}

void FlashSession::presenterFailed(const QString& reason) {
    if (!isLocked())
        return;
    const double rate = lock_.refreshRate();
    if (!std::exchange(failureTold_, true))
        std::fprintf(stderr, "chromaflick: %s\n",
                     qPrintable(tr("%1; the timer paces the flash from here").arg(reason)));
    stopPacing();
    // Qt paints the windows again.
    for (const std::unique_ptr<Form2>& view : views_)
        view->update();
    paceByTimer(rate);
}

void FlashSession::tellInexactScreens(const QList<QScreen*>& screens) {
    for (const QScreen* screen : screens) {
        // 24 bits hold the list's 8 bits a channel, and deeper pixels hold them exactly too.
        if (!screen || screen->depth() >= 24 || std::exchange(inexactTold_, true))
            continue;
        std::fprintf(stderr, "chromaflick: %s\n",
                     qPrintable(tr("screen %1 has %2 bits a pixel and cannot show the colors "
                                   "exactly; the log gives the list's colors")
                                    .arg(screen->name())
                                    .arg(screen->depth())));
    }
}

void FlashSession::stopPacing() {
    // Every step sent gets its row, also one that no report came for.
    lock_.end();
}

void FlashSession::tickIfRoom() {
    if (paused_ || !isVisible() || !lock_.hasRoom())
        return;
    if (patchMode_) {
        if (std::optional<FlashStep> patch = std::exchange(waitingPatch_, std::nullopt))
            showPatch(*patch);
        return;
    }
    // Asking again at once would spin while a report waits for its OK; a refresh later will do.
    if (dialogs_.isShowingReport()) {
        QTimer::singleShot(reportRetryMilliseconds, this, &FlashSession::tickIfRoom);
        return;
    }
    Timer1_Timer();
    QMetaObject::invokeMethod(this, &FlashSession::tickIfRoom, Qt::QueuedConnection);
}

QString FlashSession::viewName(std::size_t view) const {
    // Several boxes may share a screen: each is told by where it opened.
    if (view < std::size_t(boxes_.size()))
        return boxGeometryText(boxes_[qsizetype(view)]);
    const QScreen* screen = view < views_.size() ? views_[view]->screen() : nullptr;
    return screen ? screen->name() : QString();
}

StepShown FlashSession::rowFor(std::size_t view) const {
    StepShown row;
    row.step = stepNumber_;
    row.screen = viewName(view);
    std::tie(row.firstColor, row.secondColor) = views_[view]->shownColors();
    return row;
}

void FlashSession::presentShown() {
    ++stepNumber_;
    std::vector<StepShown> rows;
    for (std::size_t i = 0; i < views_.size(); ++i)
        rows.push_back(rowFor(i));
    lock_.present(std::uint64_t(stepNumber_), std::move(rows));
}

void FlashSession::recordTimerTick() {
    ++stepNumber_;
    const std::int64_t now = monotonicMicroseconds();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        StepShown row = rowFor(i);
        row.shownUs = now;
        recordDecided(i, row);
    }
}

void FlashSession::recordDecided(std::size_t view, const StepShown& row) {
    tallies_[view].add(row);
    record(row);
}

void FlashSession::noteUnreported(std::size_t view) {
    tallies_[view].noteUnreported();
    if (!std::exchange(unreportedTold_, true))
        std::fprintf(stderr, "chromaflick: %s\n",
                     qPrintable(tr("the compositor does not report presentation for this "
                                   "window: the steps it leaves unconfirmed are logged as "
                                   "missed")));
}

void FlashSession::record(StepShown shown) {
    if (log_)
        log_->write(shown);
    emit stepShown(shown);
}

void FlashSession::Form_Load() {
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Form_Load"));
    trap.step(100, [&] {
        for (const std::unique_ptr<Form2>& view : views_)
            view->setWindowIcon(applicationIcon());
    });
    QStringList entries;
    trap.step(102, [&] {
        entries = source_.colorEntries().mid(0, MaxListEntries);
        sequencer_.palette.assign(static_cast<std::size_t>(entries.size()), 0);
    });
    for (qsizetype i = 0; i < entries.size(); ++i) {
        trap.step(110, [&] {
            sequencer_.palette[static_cast<std::size_t>(i)] = ParseColorEntry(entries[i]);
        });
    }
    trap.step(114, [&] { sequencer_.firstIndex = 0; });
    trap.step(116, [&] { sequencer_.secondIndex = 1; });
    timer1_->stop();
    timer1_->setInterval(0);
    trap.step(118, [&] {
        const std::int16_t delay = textToInt16(source_.flashSettings().delayText);
        if (delay < 0)
            throw Failure(tr("%1 ms is no delay: it must be 0 or more").arg(delay));
        timer1_->setInterval(delay);
    });
    // An interval of 0 never ticks.
    trap.step(120, [&] {
        if (timer1_->interval() > 0)
            timer1_->start();
    });
    trap.step(122, [&] { hideProgress_ = 0; });
}

int FlashSession::timerInterval() const {
    return timer1_->interval();
}

bool FlashSession::timerRunning() const {
    return timer1_->isActive();
}

void FlashSession::Timer1_Timer() {
    if (patchMode_)
        return;
    // A report box waiting for its OK would otherwise be followed by one more at every tick;
    // every other box leaves the flash running.
    if (dialogs_.isShowingReport())
        return;
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Timer1_Timer"));
    const QSize pixels = views_.empty() ? QSize(0, 0) : views_.front()->devicePixelSize();
    const ColorSequencer::Tick tick =
        stepper_.tick(trap, source_.flashSettings(), pixels.width(), pixels.height());
    if (tick.hintTimeUp) {
        for (const std::unique_ptr<Form2>& view : views_)
            view->Label1().setVisible(false);
    }
    if (!std::holds_alternative<std::monostate>(tick.step))
        trap.step(170, [&] { paintStep(tick.step); });
    putOnScreens();
    emit ticked();
}

void FlashSession::putOnScreens() {
    // A tick that shows nothing new is still a step of its own, and so is its marker.
    for (const std::unique_ptr<Form2>& view : views_)
        view->setMarkerStep(stepNumber_ + 1);
    if (isLocked()) {
        presentShown();
    } else if (patchMode_ && !views_.empty() && isVisible()) {
        // A patch counts as shown once Qt's paint of it is on the screen, not when asked for.
        ++stepNumber_;
        awaitingPaint_ = true;
    } else if (!views_.empty() && isVisible()) {
        recordTimerTick();
    }
}

void FlashSession::showPatch(const FlashStep& patch) {
    if (!isVisible())
        return;
    if (isLocked() && !lock_.hasRoom()) {
        // The latest patch is the one the program wants; one it replaced never showed.
        if (waitingPatch_) {
            ++stepNumber_;
            for (std::size_t i = 0; i < views_.size(); ++i) {
                StepShown row = rowFor(i);
                std::tie(row.firstColor, row.secondColor) = stepColors(*waitingPatch_, 0);
                row.skipped = true;
                row.shownUs = monotonicMicroseconds();
                recordDecided(i, row);
            }
        }
        waitingPatch_ = patch;
        return;
    }
    paintStep(patch);
    // On the next refresh that can be met, not on a slot planned from the last patch.
    lock_.restart();
    putOnScreens();
}

bool FlashSession::showsDeepColor() const {
    const QScreen* screen = views_.empty() ? nullptr : views_.front()->screen();
    return lock_.drawsItself() && screen && screen->depth() >= 30;
}

void FlashSession::showUnlogged(const FlashStep& step) {
    waitingPatch_.reset();
    paintStep(step);
    lock_.restart();
    lock_.presentUnlogged();
}

void FlashSession::setHintText(const QString& text) {
    for (const std::unique_ptr<Form2>& view : views_) {
        QLabel& hint = view->Label1();
        hint.setText(text);
        // Hidden by the user, it stays so.
        if (hint.width() > 0 && hint.height() > 0)
            hint.adjustSize();
    }
    if (isLocked()) {
        lock_.restart();
        lock_.presentUnlogged();
    }
}

void FlashSession::recordAfterPaint() {
    if (!std::exchange(awaitingPaint_, false))
        return;
    const std::int64_t now = monotonicMicroseconds();
    for (std::size_t i = 0; i < views_.size(); ++i) {
        StepShown row = rowFor(i);
        row.shownUs = now;
        recordDecided(i, row);
    }
}

void FlashSession::paintStep(const FlashStep& step) {
    for (const std::unique_ptr<Form2>& view : views_)
        view->showStep(step);
    shownStep_ = step;
}

void FlashSession::keyPressed(int keyCode) {
    Form_KeyDown(keyCode);
    // The calibration program sets the pace: no pause, no steps by hand.
    if (patchMode_)
        return;
    // Neither Space nor a stepping key is a letter of "hide", so the key handler has already
    // started the word afresh.
    if (!isVisible())
        return;
    if (keyCode == VirtualKey::Space)
        togglePause();
    else if (paused_)
        stepByHand(keyCode);
}

void FlashSession::togglePause() {
    paused_ = !paused_;
    tellShownStep(paused_);
    // Neither the readout nor the step after a pause waits for a slot planned before it.
    lock_.restart();
    // A timed run counts flashing time only: a pause holds what is left of it.
    if (paused_) {
        timer1_->stop();
        if (durationTimer_->isActive()) {
            durationLeft_ = durationTimer_->remainingTimeAsDuration();
            durationTimer_->stop();
        }
        // The readout is part of the presented picture.
        lock_.presentUnlogged();
        return;
    }
    if (durationLeft_) {
        durationTimer_->start(*durationLeft_);
        durationLeft_.reset();
    }
    if (isLocked()) {
        tickIfRoom();
        return;
    }
    // A delay that never ticks stays that way.
    if (timer1_->interval() <= 0)
        return;
    Timer1_Timer();
    timer1_->start();
}

bool FlashSession::stepByHand(int keyCode) {
    // The steps are the tick's own, so a failing one is told as the tick would tell it.
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Timer1_Timer"));
    const QSize pixels = views_.empty() ? QSize(0, 0) : views_.front()->devicePixelSize();
    std::optional<NumberedStep> step;
    switch (keyCode) {
    case VirtualKey::Right:
    case VirtualKey::PageDown:
        step = stepper_.next(trap, source_.flashSettings(), pixels.width(), pixels.height());
        break;
    case VirtualKey::Left:
    case VirtualKey::PageUp:
        step = stepper_.previous();
        break;
    case VirtualKey::Home:
        step = stepper_.first(source_.flashSettings(), pixels.width(), pixels.height());
        break;
    default:
        return false;
    }
    if (step)
        trap.step(170, [&] { paintStep(step->step); });
    tellShownStep(true);
    lock_.restart();
    // A step by hand is shown and logged as a tick is.
    if (step)
        putOnScreens();
    else
        lock_.presentUnlogged();
    return true;
}

void FlashSession::tellShownStep(bool shown) {
    if (views_.empty())
        return;
    const NumberedStep* step = stepper_.shown();
    // Measured over the flash so far; the rate the presenter reports until there is a measure.
    std::optional<double> rate;
    if (isLocked())
        rate = tally().measuredRate();
    views_.front()->showReadout(shown && step ? stepReadout(*step, rate) : QString());
}

void FlashSession::Form_KeyDown(int keyCode) {
    ErrorTrap trap(dialogs_, QStringLiteral("Form2.Form_KeyDown"));
    if (trap.test(100, [&] { return !isHideLetter(keyCode); }))
        trap.step(102, [&] { hideProgress_ = 0; });
    const auto advance = [&](int line, int from) {
        if (trap.test(line, [&] { return hideProgress_ == from; }))
            trap.step(line + 2, [&] { hideProgress_ = from + 1; });
        else
            trap.step(line + 4, [&] { hideProgress_ = 0; });
    };
    switch (keyCode) {
    case VirtualKey::Escape:
        trap.step(108, [&] { close(); });
        break;
    case VirtualKey::H:
    case VirtualKey::Numpad8:
        advance(112, 0);
        break;
    case VirtualKey::I:
    case VirtualKey::Numpad9:
        advance(120, 1);
        break;
    case VirtualKey::D:
    case VirtualKey::Numpad4:
        advance(128, 2);
        break;
    case VirtualKey::E:
    case VirtualKey::Numpad5:
        if (trap.test(136, [&] { return hideProgress_ == 3; })) {
            hideHint(trap);
            // The readout goes with the hint, until the next pause tells the step again.
            tellShownStep(false);
            // Presented, the picture would keep the hint until the next step.
            if (isLocked()) {
                lock_.restart();
                lock_.presentUnlogged();
            }
            trap.step(164, [&] { hideProgress_ = 0; });
        }
        break;
    default:
        break;
    }
}

void FlashSession::hideHint(ErrorTrap& trap) {
    const auto anyView = [this](const auto& holds) {
        return std::any_of(views_.begin(), views_.end(),
                           [&](const std::unique_ptr<Form2>& view) { return holds(*view); });
    };
    if (!trap.test(156, [&] {
            return anyView([](const Form2& view) {
                return view.Label1().width() != 0 && view.Label1().height() != 0;
            });
        }))
        return;
    if (!trap.test(158, [&] {
            return anyView(
                [](const Form2& view) { return !(view.windowState() & Qt::WindowMinimized); });
        }))
        return;
    trap.step(160, [&] {
        for (const std::unique_ptr<Form2>& view : views_)
            view->Label1().resize(0, view->Label1().height());
    });
    trap.step(162, [&] {
        for (const std::unique_ptr<Form2>& view : views_)
            view->Label1().resize(view->Label1().width(), 0);
    });
}
