#pragma once

#include "core/framelog.h"

#include <cstdint>
#include <optional>

// The refreshes one screen's steps are given, over plain values the display reports: every step
// held the same number of refreshes, the first planned from the first picture's showing, and one
// that came late told against its planned refresh while the schedule goes on from where it showed.
// Times are microseconds of CLOCK_MONOTONIC, passed in, so that any history can be replayed.
//
// A display that takes a refresh counter with each picture (X Present) is planned ahead with
// start(), nextSlot() and shownOn(); one that asks for each picture and tells afterwards when it
// showed (Wayland) is judged after the fact with frame(), sent() and judge().
class StepSchedule {
public:
    // A step sent after a pause or by hand goes out this many refreshes after the counter's value
    // now: one is too few for a loaded machine to draw the picture in.
    static constexpr std::uint64_t RestartLeadRefreshes = 2;
    // A step is queued no earlier than this many refreshes before its slot, so that long holds do
    // not queue steps far ahead, and a pause stops on the step the screen shows.
    static constexpr std::uint64_t QueueAheadRefreshes = RestartLeadRefreshes + 1;

    struct Slot {
        std::uint64_t planned; // what the schedule asked for, which the log holds to
        std::uint64_t sent;    // what the display is asked for: planned, or the next one left
    };

    void begin(int heldRefreshes, double reportedHz);
    int heldRefreshes() const { return held_; }
    // The next step goes out on the next refresh that can still be met, and the schedule goes on
    // from there.
    void restart() { restart_ = true; }
    bool restarting() const { return restart_; }

    // The counter's first value: no picture is given a slot before it.
    void start(std::uint64_t counter, std::int64_t answeredUs);
    // The counter's value when the display was asked. Its time is when the display answered, not
    // a refresh, so the period is measured afresh from the next report.
    void answered(std::uint64_t counter, std::int64_t us);
    bool started() const { return started_; }
    // Whether the first picture has shown, which the steps are planned from.
    bool anchored() const { return anchored_; }
    // Any report of the counter, for its estimate and the measured period.
    void counted(std::uint64_t counter, std::int64_t us);
    Slot nextSlot(std::int64_t nowUs);
    // The slot of the step sent last; 0 before any.
    std::uint64_t lastSent() const { return lastSent_; }
    // The slot another window of the same screen was given, where it is still ahead of this
    // schedule's last one and of the counter; else the next slot.
    Slot takeSlot(std::uint64_t slot, std::int64_t nowUs);
    // The timing of a step planned for that slot and shown on that refresh.
    StepShown shownOn(std::uint64_t planned, std::uint64_t counter, std::int64_t us, bool skipped);
    // Whether the next slot is near enough for another step to be queued.
    bool hasRoom(std::int64_t nowUs) const;
    // For a screen that follows another's pace: a slower screen's slots run ahead of its counter,
    // one more at every step, and it falls behind once they are a hold further than room allows.
    bool keepsPace(std::int64_t nowUs) const;
    // How long until the next slot leaves room; 0 where it does now.
    std::int64_t usUntilRoom(std::int64_t nowUs) const;
    // How long until the counter reaches the value; 0 where it has.
    std::int64_t usUntil(std::uint64_t counter, std::int64_t nowUs) const;
    std::uint64_t estimatedCounter(std::int64_t nowUs) const;
    double periodUs() const;

    // The display asks for the next picture.
    void frame() { ++framesSince_; }
    // Whether the step shown has had its refreshes, or the schedule restarts.
    bool holdDone() const { return restart_ || framesSince_ >= held_; }
    // A step goes out; whether it starts the schedule afresh, so that it is on time wherever shown.
    bool sent();
    // The timing of a step the display reports shown, its target found from the step before: on
    // the counter where the showing is tied to the refresh, else from the timestamps alone.
    StepShown judge(bool restarted, std::optional<std::uint64_t> counter, std::int64_t shownUs,
                    std::int64_t periodUs);
    // A step whose showing nobody knows: no lateness is guessed across it.
    void lostTrack();

    // A step sent whose showing is never told, with the slot planned for it where there was one
    // and the time of the refresh that carried it where known.
    static StepShown unconfirmed(std::optional<std::uint64_t> planned, std::int64_t carriedUs);
    // A step the display says it dropped.
    static StepShown discarded(std::int64_t us);

private:
    int held_ = 1;
    double reportedHz_ = 60;
    bool restart_ = false;
    bool started_ = false;
    bool anchored_ = false;
    std::uint64_t target_ = 0;
    std::uint64_t lastSent_ = 0;
    // The latest report and the one the period is measured from.
    std::optional<std::uint64_t> lastCounter_;
    std::int64_t lastUs_ = 0;
    bool lastOnRefresh_ = false;
    std::uint64_t fromCounter_ = 0;
    std::int64_t fromUs_ = 0;
    std::optional<double> lastIntervalUs_;
    int framesSince_ = 0;
    // The step shown last, for the target of the next where only the display's report tells.
    std::optional<std::uint64_t> shownCounter_;
    std::optional<std::int64_t> shownUs_;
};
