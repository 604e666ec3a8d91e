#include "core/stepschedule.h"

#include "core/heldrefreshes.h"

#include <algorithm>
#include <cmath>

namespace {

// Fewer refreshes than this between two reports measure no period worth more than the one the
// system reports.
constexpr std::uint64_t MeasuredSpan = 5;
// A refresh interval this far from the period measured so far is a new mode of the screen, not
// the jitter of its reports: the period is measured afresh from there.
constexpr double NewModeShare = 0.25;

// Some displays count refreshes in 32 bits, which wrap to 0 after a few months at 144 Hz: between
// two such values a difference is read within half that range.
constexpr std::uint64_t ThirtyTwoBits = std::uint64_t(1) << 32;

bool bothFit32(std::uint64_t a, std::uint64_t b) {
    return a < ThirtyTwoBits && b < ThirtyTwoBits;
}

std::int64_t refreshesBetween(std::uint64_t from, std::uint64_t to) {
    if (bothFit32(from, to))
        return std::int32_t(std::uint32_t(to - from));
    return std::int64_t(to - from);
}

} // namespace

void StepSchedule::begin(int heldRefreshes, double reportedHz) {
    *this = StepSchedule();
    held_ = std::clamp(heldRefreshes, 1, MaxHeldRefreshes);
    if (reportedHz > 0)
        reportedHz_ = reportedHz;
    framesSince_ = held_;
}

void StepSchedule::start(std::uint64_t counter, std::int64_t answeredUs) {
    if (std::exchange(started_, true))
        return;
    answered(counter, answeredUs);
    // The server is still mapping the window: the first picture goes a few refreshes on.
    target_ = counter + RestartLeadRefreshes;
}

void StepSchedule::answered(std::uint64_t counter, std::int64_t us) {
    lastCounter_ = fromCounter_ = counter;
    lastUs_ = fromUs_ = us;
    lastOnRefresh_ = false;
    lastIntervalUs_.reset();
}

void StepSchedule::counted(std::uint64_t counter, std::int64_t us) {
    if (lastCounter_ && counter <= *lastCounter_)
        return;
    // Two refreshes apart, an answer half a refresh off the refresh would be a period 25 % off.
    if (!lastCounter_ || !lastOnRefresh_) {
        lastCounter_ = fromCounter_ = counter;
        lastUs_ = fromUs_ = us;
        lastOnRefresh_ = true;
        return;
    }
    const double intervalUs = double(us - lastUs_) / double(counter - *lastCounter_);
    const double measuredUs = periodUs();
    if (std::abs(intervalUs - measuredUs) > NewModeShare * measuredUs) {
        fromCounter_ = *lastCounter_;
        fromUs_ = lastUs_;
    }
    lastCounter_ = counter;
    lastUs_ = us;
    lastIntervalUs_ = intervalUs;
}

double StepSchedule::periodUs() const {
    if (lastCounter_ && *lastCounter_ > fromCounter_ + MeasuredSpan)
        return double(lastUs_ - fromUs_) / double(*lastCounter_ - fromCounter_);
    if (lastIntervalUs_ && fromCounter_ != *lastCounter_)
        return *lastIntervalUs_;
    return 1e6 / reportedHz_;
}

std::uint64_t StepSchedule::estimatedCounter(std::int64_t nowUs) const {
    if (!lastCounter_)
        return 0;
    std::uint64_t counter = *lastCounter_;
    if (nowUs > lastUs_)
        counter += std::uint64_t(double(nowUs - lastUs_) / periodUs());
    return counter;
}

std::int64_t StepSchedule::usUntil(std::uint64_t counter, std::int64_t nowUs) const {
    if (!lastCounter_ || counter <= *lastCounter_)
        return 0;
    const double dueUs = double(lastUs_) + double(counter - *lastCounter_) * periodUs();
    return std::max<std::int64_t>(0, std::llround(dueUs - double(nowUs)));
}

StepSchedule::Slot StepSchedule::nextSlot(std::int64_t nowUs) {
    const std::uint64_t now = estimatedCounter(nowUs);
    // Never before a step already queued: displays show pictures in the order of their slots.
    const std::uint64_t earliest = std::max(now + 1, lastSent_ + 1);
    Slot slot{target_, target_};
    if (std::exchange(restart_, false))
        slot.planned = slot.sent = std::max(now + RestartLeadRefreshes, lastSent_ + 1);
    else if (target_ < earliest)
        // A slot already gone (the program was held up): shown as soon as can be, and told late
        // against its planned slot; the schedule goes on from where it is shown.
        slot.sent = earliest;
    target_ = slot.sent + std::uint64_t(held_);
    lastSent_ = slot.sent;
    return slot;
}

StepSchedule::Slot StepSchedule::takeSlot(std::uint64_t slot, std::int64_t nowUs) {
    if (slot <= lastSent_ || slot <= estimatedCounter(nowUs))
        return nextSlot(nowUs);
    restart_ = false;
    target_ = slot + std::uint64_t(held_);
    lastSent_ = slot;
    return {slot, slot};
}

StepShown StepSchedule::shownOn(std::uint64_t planned, std::uint64_t counter, std::int64_t us,
                                bool skipped) {
    // At the start the server is still busy mapping the window and drawing what it uncovered, so a
    // slot counted from before the first showing would be met late.
    if (!std::exchange(anchored_, true)) {
        // Short holds still leave the first step a few refreshes to be drawn in.
        target_ = std::max(target_, counter + std::max(std::uint64_t(held_), QueueAheadRefreshes));
        lastSent_ = std::max(lastSent_, counter);
    }
    StepShown when;
    when.targetMsc = planned;
    when.shownMsc = counter;
    when.shownUs = us;
    when.missed = counter > planned ? std::int64_t(counter - planned) : 0;
    when.skipped = skipped;
    return when;
}

bool StepSchedule::hasRoom(std::int64_t nowUs) const {
    return anchored_ && (restart_ || target_ <= estimatedCounter(nowUs) + QueueAheadRefreshes);
}

bool StepSchedule::keepsPace(std::int64_t nowUs) const {
    return !anchored_ || restart_ ||
           target_ <= estimatedCounter(nowUs) + QueueAheadRefreshes + std::uint64_t(held_);
}

std::int64_t StepSchedule::usUntilRoom(std::int64_t nowUs) const {
    if (target_ <= estimatedCounter(nowUs) + QueueAheadRefreshes)
        return 0;
    return std::max<std::int64_t>(1, usUntil(target_ - QueueAheadRefreshes, nowUs));
}

bool StepSchedule::sent() {
    framesSince_ = 0;
    return std::exchange(restart_, false) || !shownUs_;
}

StepShown StepSchedule::judge(bool restarted, std::optional<std::uint64_t> counter,
                              std::int64_t shownUs, std::int64_t periodUs) {
    StepShown when;
    when.shownUs = shownUs;
    if (counter) {
        std::uint64_t target = *counter;
        if (!restarted && shownCounter_) {
            target = *shownCounter_ + std::uint64_t(held_);
            if (bothFit32(*shownCounter_, *counter))
                target %= ThirtyTwoBits;
        }
        when.targetMsc = target;
        when.shownMsc = counter;
        when.missed = std::max<std::int64_t>(0, refreshesBetween(target, *counter));
        shownCounter_ = counter;
    } else if (!restarted && shownUs_) {
        when.missed = refreshesLate(*shownUs_ + held_ * periodUs, shownUs, periodUs);
    }
    shownUs_ = shownUs;
    return when;
}

void StepSchedule::lostTrack() {
    shownCounter_.reset();
    shownUs_.reset();
}

StepShown StepSchedule::unconfirmed(std::optional<std::uint64_t> planned, std::int64_t carriedUs) {
    StepShown when;
    when.targetMsc = planned;
    when.shownUs = carriedUs;
    when.unconfirmed = true;
    return when;
}

StepShown StepSchedule::discarded(std::int64_t us) {
    StepShown when;
    when.shownUs = us;
    when.skipped = true;
    return when;
}
