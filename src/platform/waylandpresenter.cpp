#include "platform/waylandpresenter.h"

#include "core/framelog.h"
#include "platform/clockmicroseconds.h"
#include "platform/waylandglobals.h"
#include "platform/waylandincoming.h"

#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <presentation-time-client-protocol.h>
#include <wayland-client.h>

struct WaylandPresenter::Feedback {
    WaylandPresenter* presenter;
    struct wp_presentation_feedback* proxy;
    std::uint64_t serial;
    std::uint64_t commit; // serials repeat for pictures that are no steps
    bool restarted;
};

namespace {

void onClock(void* data, wp_presentation*, std::uint32_t clockId) {
    static_cast<WaylandPresenter*>(data)->setClock(clockId);
}

const wp_presentation_listener presentationListener{onClock};

void onSyncOutput(void*, struct wp_presentation_feedback*, wl_output*) {}

void onPresented(void* data, struct wp_presentation_feedback*, std::uint32_t secondsHigh,
                 std::uint32_t secondsLow, std::uint32_t nanoseconds, std::uint32_t refreshNs,
                 std::uint32_t sequenceHigh, std::uint32_t sequenceLow, std::uint32_t flags) {
    auto* feedback = static_cast<WaylandPresenter::Feedback*>(data);
    const std::int64_t seconds = std::int64_t((std::uint64_t(secondsHigh) << 32) | secondsLow);
    const std::uint64_t sequence = (std::uint64_t(sequenceHigh) << 32) | sequenceLow;
    // Only a showing tied to the display's refresh counts refreshes: without it the sequence is 0
    // or, on a virtual output, a count of the compositor's own repaints.
    const bool counted = (flags & WP_PRESENTATION_FEEDBACK_KIND_VSYNC) != 0;
    feedback->presenter->presented(*feedback, seconds * 1000000 + nanoseconds / 1000, refreshNs,
                                   sequence, counted);
}

void onDiscarded(void* data, struct wp_presentation_feedback*) {
    auto* feedback = static_cast<WaylandPresenter::Feedback*>(data);
    feedback->presenter->discarded(*feedback);
}

const wp_presentation_feedback_listener feedbackListener{onSyncOutput, onPresented, onDiscarded};

void onFrame(void* data, wl_callback*, std::uint32_t) {
    static_cast<WaylandPresenter*>(data)->frameDone();
}

const wl_callback_listener frameListener{onFrame};

// Compositors report frames this often when they tell nothing else.
constexpr double AssumedRate = 60;

} // namespace

std::unique_ptr<WaylandPresenter> WaylandPresenter::create(QWidget& window) {
    auto globals = std::make_unique<WaylandGlobals>();
    if (!globals->available() || !globals->offers(&wp_presentation_interface) ||
        !WaylandGlobals::surfaceOf(window.windowHandle()))
        return nullptr;
    auto* presentation =
        static_cast<wp_presentation*>(globals->bind(&wp_presentation_interface, 1));
    if (!presentation)
        return nullptr;
    return std::unique_ptr<WaylandPresenter>(
        new WaylandPresenter(window, std::move(globals), presentation));
}

WaylandPresenter::WaylandPresenter(QWidget& window, std::unique_ptr<WaylandGlobals> globals,
                                   wp_presentation* presentation)
    : window_(&window), globals_(std::move(globals)), presentation_(presentation) {
    wp_presentation_add_listener(presentation_, &presentationListener, this);
    incoming_ = new WaylandIncoming(
        *globals_, [this] { judgeOverdue(); }, this);
    // Overdue steps are judged without any event to wake for.
    watch_ = new QTimer(this);
    connect(watch_, &QTimer::timeout, incoming_, &WaylandIncoming::read);
    globals_->roundtrip();
}

WaylandPresenter::~WaylandPresenter() {
    release();
    wp_presentation_destroy(presentation_);
}

wl_surface* WaylandPresenter::surface() const {
    return window_ ? WaylandGlobals::surfaceOf(window_->windowHandle()) : nullptr;
}

bool WaylandPresenter::begin(int heldRefreshes) {
    release();
    wl_surface* shown = surface();
    if (!shown)
        return false;
    surfaceWrapper_ = static_cast<wl_surface*>(wl_proxy_create_wrapper(shown));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(surfaceWrapper_), globals_->queue());
    schedule_.begin(heldRefreshes, refreshRate());
    showings_.begin(schedule_.heldRefreshes(), periodUs());
    unreportedTold_ = false;
    begun_ = true;
    incoming_->setEnabled(true);
    watch_->start(int(periodUs() / 1000) + 1);
    return true;
}

void WaylandPresenter::end() {
    if (begun_) {
        globals_->dispatchPending();
        // Every step sent gets its row, also those the close leaves unanswered.
        giveUp(showings_.takeAll(), false);
    }
    release();
}

void WaylandPresenter::release() {
    begun_ = false;
    incoming_->setEnabled(false);
    watch_->stop();
    if (frame_)
        wl_callback_destroy(frame_);
    frame_ = nullptr;
    for (auto& [key, feedback] : feedbacks_)
        wp_presentation_feedback_destroy(feedback->proxy);
    feedbacks_.clear();
    if (surfaceWrapper_)
        wl_proxy_wrapper_destroy(surfaceWrapper_);
    surfaceWrapper_ = nullptr;
    globals_->dispatchPending();
}

void WaylandPresenter::judgeOverdue() {
    // Judged only once every answer that has come is read: a frame may come before the report of
    // the step it carried.
    if (begun_)
        giveUp(showings_.overdue(monotonicMicroseconds()), true);
}

void WaylandPresenter::giveUp(const std::vector<ShowingWatch::Unreported>& steps, bool overdue) {
    for (const ShowingWatch::Unreported& step : steps) {
        const auto owned =
            std::find_if(feedbacks_.begin(), feedbacks_.end(),
                         [&step](const auto& entry) { return entry.second->commit == step.key; });
        if (owned == feedbacks_.end())
            continue;
        const StepShown when = StepSchedule::unconfirmed(std::nullopt, step.carriedUs);
        const std::uint64_t serial = owned->second->serial;
        // Destroyed, it can bring no late answer that would tell the step a second time.
        wp_presentation_feedback_destroy(owned->second->proxy);
        feedbacks_.erase(owned);
        schedule_.lostTrack();
        if (overdue && !std::exchange(unreportedTold_, true))
            emit unreported();
        emit shown(serial, when);
    }
}

void WaylandPresenter::askForFrame() {
    if (frame_ || !surfaceWrapper_)
        return;
    frame_ = wl_surface_frame(surfaceWrapper_);
    wl_callback_add_listener(frame_, &frameListener, this);
}

void WaylandPresenter::present(const FlashPicture&, std::uint64_t serial) {
    if (!begun_ || !window_)
        return;
    // Both ride on the window's next commit, which is Qt's paint of this step.
    auto feedback = std::make_unique<Feedback>();
    feedback->presenter = this;
    feedback->proxy = wp_presentation_feedback(presentation_, surfaceWrapper_);
    feedback->serial = serial;
    feedback->commit = ++commits_;
    feedback->restarted = schedule_.sent();
    wp_presentation_feedback_add_listener(feedback->proxy, &feedbackListener, feedback.get());
    Feedback* key = feedback.get();
    feedbacks_[key] = std::move(feedback);
    showings_.sent(commits_, monotonicMicroseconds());
    askForFrame();
    window_->update();
    globals_->dispatchPending();
}

void WaylandPresenter::frameDone() {
    if (frame_)
        wl_callback_destroy(frame_);
    frame_ = nullptr;
    if (!begun_)
        return;
    showings_.frame(monotonicMicroseconds());
    schedule_.frame();
    if (!schedule_.holdDone()) {
        // An empty commit, for the next frame's callback: the step stays as it is.
        askForFrame();
        wl_surface_commit(surfaceWrapper_);
        return;
    }
    emit ready();
}

std::int64_t WaylandPresenter::toMonotonic(std::int64_t us) const {
    if (clockId_ == CLOCK_MONOTONIC)
        return us;
    const auto clock = clockid_t(clockId_);
    return us + monotonicMicroseconds() - microsecondsOf(clock);
}

void WaylandPresenter::presented(Feedback& feedback, std::int64_t shownUs, std::uint32_t refreshNs,
                                 std::uint64_t sequence, bool counted) {
    const auto owned = feedbacks_.find(&feedback);
    if (owned == feedbacks_.end())
        return;
    showings_.reported(feedback.commit);
    if (refreshNs)
        refreshNs_ = refreshNs;
    const StepShown when =
        schedule_.judge(feedback.restarted, counted ? std::optional(sequence) : std::nullopt,
                        toMonotonic(shownUs), periodUs());
    const std::uint64_t serial = feedback.serial;
    wp_presentation_feedback_destroy(feedback.proxy);
    feedbacks_.erase(owned);
    emit shown(serial, when);
}

void WaylandPresenter::discarded(Feedback& feedback) {
    const auto owned = feedbacks_.find(&feedback);
    if (owned == feedbacks_.end())
        return;
    showings_.reported(feedback.commit);
    const StepShown when = StepSchedule::discarded(monotonicMicroseconds());
    const std::uint64_t serial = feedback.serial;
    wp_presentation_feedback_destroy(feedback.proxy);
    feedbacks_.erase(owned);
    emit shown(serial, when);
}

void WaylandPresenter::restart() {
    schedule_.restart();
}

void WaylandPresenter::presentAgain() {
    // The compositor keeps the window's last buffer: nothing is lost to uncover.
}

bool WaylandPresenter::hasRoom() const {
    return begun_ && !frame_ && schedule_.holdDone();
}

std::int64_t WaylandPresenter::periodUs() const {
    return std::llround(1e6 / refreshRate());
}

double WaylandPresenter::refreshRate() const {
    if (refreshNs_)
        return 1e9 / refreshNs_;
    if (window_ && window_->screen() && window_->screen()->refreshRate() > 0)
        return window_->screen()->refreshRate();
    return AssumedRate;
}
