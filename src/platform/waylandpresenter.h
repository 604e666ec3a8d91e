#pragma once

#include "core/showingwatch.h"
#include "core/stepschedule.h"
#include "platform/steppresenter.h"

#include <QPointer>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>

class WaylandIncoming;
class QTimer;
class QWidget;
class WaylandGlobals;
struct wl_callback;
struct wl_surface;
struct wp_presentation;
struct wp_presentation_feedback;

// Steps of a Wayland window paced by the compositor's frame callbacks, each committed after the
// given number of frames, with the compositor's presentation feedback for every commit. The
// window paints the steps itself: Qt's commit is the step's.
class WaylandPresenter final : public StepPresenter {
    Q_OBJECT
public:
    // None off Wayland, or where the compositor offers no presentation feedback.
    static std::unique_ptr<WaylandPresenter> create(QWidget& window);
    ~WaylandPresenter() override;

    bool begin(int heldRefreshes) override;
    void end() override;
    void present(const FlashPicture& picture, std::uint64_t serial) override;
    void restart() override;
    void presentAgain() override;
    bool hasRoom() const override;
    double refreshRate() const override;
    bool drawsItself() const override { return false; }

    // The listeners' way back in.
    struct Feedback;
    void presented(Feedback& feedback, std::int64_t shownUs, std::uint32_t refreshNs,
                   std::uint64_t sequence, bool counted);
    void discarded(Feedback& feedback);
    void frameDone();
    void setClock(std::uint32_t clockId) { clockId_ = clockId; }

private:
    WaylandPresenter(QWidget& window, std::unique_ptr<WaylandGlobals> globals,
                     wp_presentation* presentation);
    wl_surface* surface() const;
    void askForFrame();
    void release();
    // Gives up the steps that are overdue, once what has come for our queue is handled.
    void judgeOverdue();
    // Rows for the steps the compositor has not reported and no longer will: overdue, or cut off
    // by the end.
    void giveUp(const std::vector<ShowingWatch::Unreported>& steps, bool overdue);
    std::int64_t toMonotonic(std::int64_t us) const;
    std::int64_t periodUs() const;

    QPointer<QWidget> window_;
    std::unique_ptr<WaylandGlobals> globals_;
    wp_presentation* presentation_ = nullptr;
    wl_surface* surfaceWrapper_ = nullptr;
    wl_callback* frame_ = nullptr;
    WaylandIncoming* incoming_ = nullptr;
    QTimer* watch_ = nullptr;
    std::map<Feedback*, std::unique_ptr<Feedback>> feedbacks_;
    ShowingWatch showings_;
    std::uint64_t commits_ = 0;
    bool unreportedTold_ = false;
    StepSchedule schedule_;
    bool begun_ = false;
    std::uint32_t clockId_ = 1; // CLOCK_MONOTONIC
    std::uint32_t refreshNs_ = 0;
};
