#pragma once

#include "core/colorsequencer.h"
#include "core/flashstepper.h"
#include "core/flashtally.h"
#include "core/framelog.h"
#include "core/photodiodemarker.h"
#include "ui/framelock.h"

#include <QList>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Dialogs;
class ErrorTrap;
class FlashSource;
class FrameLogFile;
class Form2;
class QScreen;
class QTimer;
class PlasmaTaskbarHint;
class ScreenSaverInhibitor;

// The flash over every chosen screen: one timer and one sequencer drive a window on each screen,
// so that all show the same step at the same tick, and a key in any of them acts on all. One
// object lives for the whole run; closing it hides the windows and stops the timer, while the
// palette, the cursors and the hint count stay for the next opening.
class FlashSession : public QObject {
    Q_OBJECT
public:
    FlashSession(const FlashSource& source, Dialogs& dialogs);
    ~FlashSession() override;

    // Opens a window on each of the source's screens, or only brings them to the front when open.
    void showFlash();
    void close();
    bool isVisible() const;
    // Every later opening closes itself after this long, as Escape would; never when unset.
    void setDuration(std::optional<std::chrono::milliseconds> duration);
    // Every later opening shows a small box at each of these places of the desktop, in its
    // pixels, in place of covering screens; the user may move and size each of them.
    void setBoxes(const QList<QRect>& boxes);
    // Every later opening holds each tick this many refreshes, whatever the delay and the lock.
    void setHeldRefreshes(std::optional<int> refreshes);
    // The light sensor's square in every picture of every screen; none when unset.
    void setMarker(std::optional<PhotodiodeMarker> marker);
    // Where every step shown is written; none when null.
    void setLog(FrameLogFile* log) { log_ = log; }
    // How the lock reaches a window's screen; the platform's own mechanism unless replaced.
    void setPresenterFactory(FrameLock::PresenterFactory factory);
    // The steps come from a calibration program, one by showPatch(), and nothing ticks: each
    // patch is held to the refreshes where the display allows, and stays until the next.
    void setPatchMode(bool patchMode) { patchMode_ = patchMode; }
    // A patch as the next step: logged, and told by stepShown() once the display shows it.
    void showPatch(const FlashStep& patch);
    // What shows between patches, outside the log.
    void showUnlogged(const FlashStep& step);
    // The hint's line says this instead, unless the user has hidden it.
    void setHintText(const QString& text);
    // The number of the step last shown or on its way, as stepShown() will tell it.
    int stepNumber() const { return stepNumber_; }
    // Whether patches reach the keyboard's screen at more than 8 bits a channel: drawn by the
    // presenter itself on a screen of 30 bits or more.
    bool showsDeepColor() const;
    // Whether a patch waits for the display to have room, so that it has no number yet.
    bool hasWaitingPatch() const { return waitingPatch_.has_value(); }
    // Whether this opening's steps are held to the refreshes, and how many each.
    bool isLocked() const { return lock_.isLocked(); }
    int heldRefreshes() const { return held_; }
    // The sums of the keyboard's screen, and of each screen in the order of views().
    const FlashTally& tally() const { return tallies_.front(); }
    const std::vector<FlashTally>& tallies() const { return tallies_; }
    // The lines told at the close: one, or one for each screen, named, where there are several.
    QStringList summaries() const;

    // A key pressed in any of the windows: the key handler, then Space pauses or resumes.
    void keyPressed(int keyCode);
    void Form_KeyDown(int keyCode);
    void Timer1_Timer();
    // The timer stops and the shown step stays, told at the bottom left; resuming shows the next
    // step at once.
    void togglePause();
    // While paused: Right or Page Down the next step, Left or Page Up the one before, Home the
    // list's first color; whether the key is one of these.
    bool stepByHand(int keyCode);
    bool isPaused() const { return paused_; }

    // One window per screen, the keyboard's first.
    QList<Form2*> views() const;
    const ColorSequencer& sequencer() const { return sequencer_; }
    const FlashStepper& stepper() const { return stepper_; }
    const FlashStep& shownStep() const { return shownStep_; }
    int timerInterval() const;
    bool timerRunning() const;
    int hideProgress() const { return hideProgress_; }

signals:
    // A box was moved or sized by the user; in desktop pixels.
    void boxPlaced(const QRect& box);
    // An open flash has closed.
    void closed();
    // A tick has run; for measuring the timer.
    void ticked();
    // The display showed a step, or reports it never did.
    void stepShown(const StepShown& shown);
    // A patch on the keyboard's screen, the moment the display reports it shown: before its row,
    // which waits until no later step can have replaced it within the same refresh.
    void patchShown(const StepShown& shown);

private:
    void Form_Load();
    void hideHint(ErrorTrap& trap);
    void paintStep(const FlashStep& step);
    // Hands every screen its picture of the step now shown, for its next slot.
    void presentShown();
    // Every step shown, by tick or by hand, reaches the screens and the log through here.
    void putOnScreens();
    void startPacing();
    void tickIfRoom();
    void stopPacing();
    // Where the timer paces the flash in place of the refreshes.
    void paceByTimer(double rate);
    // A presenter broke down: the rest of the flash is paced by the timer, told once.
    void presenterFailed(const QString& reason);
    // Once per run, for a screen whose pixels cannot hold the list's colors.
    void tellInexactScreens(const QList<QScreen*>& screens);
    void record(StepShown shown);
    // Told once per flash; each screen's summary says it for itself.
    void noteUnreported(std::size_t view);
    // Every row whose showing is known: the screen's sums, the log, stepShown().
    void recordDecided(std::size_t view, const StepShown& row);
    // The rows of one tick whose showing the timer paces: what the windows hold now.
    void recordTimerTick();
    StepShown rowFor(std::size_t view) const;
    // The screen's name in the log and the summary, or a box's geometry.
    QString viewName(std::size_t view) const;
    // The rows of a patch Qt paints itself, once its paint has reached the screen.
    void recordAfterPaint();
    // The readout of the step shown, or none; only the keyboard's screen tells it.
    void tellShownStep(bool shown);
    // As many windows as screens, at least one.
    void provideViews(qsizetype count);

    const FlashSource& source_;
    Dialogs& dialogs_;
    ColorSequencer sequencer_;
    FlashStepper stepper_{sequencer_};
    int hideProgress_ = 0;
    bool paused_ = false;
    bool closing_ = false;
    std::optional<std::chrono::milliseconds> duration_;
    std::optional<std::chrono::milliseconds> durationLeft_; // of a timed run, while paused
    QTimer* timer1_ = nullptr;
    QTimer* durationTimer_ = nullptr;
    FlashStep shownStep_;
    std::vector<std::unique_ptr<Form2>> views_;
    QList<QRect> boxes_;
    std::optional<int> heldRefreshes_;
    std::optional<PhotodiodeMarker> marker_;
    // After the windows, so that its presenters end before the windows they present on.
    FrameLock lock_;
    // The refreshes each step is held, by the lock or by the timer.
    int held_ = 0;
    int stepNumber_ = 0;
    bool patchMode_ = false;
    // A patch that came while the display had no room for it.
    std::optional<FlashStep> waitingPatch_;
    bool awaitingPaint_ = false;
    bool fallbackTold_ = false;
    bool unreportedTold_ = false;
    bool failureTold_ = false;
    bool inexactTold_ = false;
    FrameLogFile* log_ = nullptr;
    std::vector<FlashTally> tallies_ = std::vector<FlashTally>(1);
    ScreenSaverInhibitor* screenSaver_ = nullptr;
    PlasmaTaskbarHint* taskbarHint_ = nullptr;
};
