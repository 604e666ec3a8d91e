#pragma once

#include "core/framelog.h"

#include <QImage>
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class DrawingSurface;
class QWidget;

// What a screen shows for one step: the background fills of the step, then the small pictures
// drawn over it (the hint, and any other line laid over the flash).
struct FlashPicture {
    // Fills the whole surface, which has the given size in device pixels.
    std::function<void(DrawingSurface& surface, QSize pixels)> background;
    struct Overlay {
        QPoint at;
        QImage image; // the background under it already drawn in
    };
    std::vector<Overlay> overlays;
    // Pictures of the same non-empty likeness are the same pixels at the same size, so that one
    // drawn before may be shown again as it is; empty where that is not known.
    QByteArray likeness;
};

// The serial of a picture that is no step of the log: the one before the first step, and one
// that changes only the readout or the hint.
inline constexpr std::uint64_t UnloggedPicture = 0;

// Shows steps on the refreshes of one screen: every step held the same number of refreshes,
// each changed on the refresh chosen for it, and a report of when each was shown.
class StepPresenter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Steps of this many refreshes from now on; false where the mechanism is not there.
    virtual bool begin(int heldRefreshes) = 0;
    virtual void end() = 0;
    // Queued for the refresh after the one the last step was given. The first picture after
    // begin() is presented without waiting for room: the steps are planned from its showing.
    virtual void present(const FlashPicture& picture, std::uint64_t serial) = 0;
    // The refresh the last step was queued for, where the display counts the screen's refreshes
    // and the step has gone out.
    virtual std::optional<std::uint64_t> lastSlot() const { return std::nullopt; }
    // A step on the refresh another window of the same screen was given, so that both change
    // together; as present() where that refresh can no longer be met or nothing counts them.
    virtual void presentOn(const FlashPicture& picture, std::uint64_t serial, std::uint64_t slot) {
        (void)slot;
        present(picture, serial);
    }
    // The next step goes out on the next refresh that can still be met, and the schedule goes on
    // from there: for a step by hand, and at a pause and its end.
    virtual void restart() = 0;
    // The last picture once more, outside the schedule: after part of the window was uncovered.
    virtual void presentAgain() = 0;
    // Whether another step can be queued without waiting.
    virtual bool hasRoom() const = 0;
    // For a screen that follows another's pace: whether it still keeps up. Refreshes of two
    // screens do not fall together, so this may allow a little more than hasRoom().
    virtual bool keepsUp() const { return hasRoom(); }
    // The refresh rate the system reports for this screen.
    virtual double refreshRate() const = 0;
    // Whether the presenter puts the pictures on the screen itself, so that Qt must not paint the
    // window; false where Qt's own paint of the window is what gets committed.
    virtual bool drawsItself() const { return true; }

signals:
    // Room for another step.
    void ready();
    // A step was shown or is known never to be; step and colors are the caller's to fill in.
    void shown(std::uint64_t serial, const StepShown& when);
    // The display left a step unreported past any time a report could still come: told once
    // between begin() and end().
    void unreported();
    // The mechanism broke down and has ended itself; why, in one line.
    void failed(const QString& reason);
};

// The mechanism this platform offers for the window, or none and, where known, why not.
std::unique_ptr<StepPresenter> createStepPresenter(QWidget& window, QString& refusal);
