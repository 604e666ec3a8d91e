#pragma once

#include "core/framelog.h"
#include "core/ratemeasure.h"

#include <QString>
#include <cstdint>
#include <optional>

// The sums of one flash on one screen, for the line told at its close.
class FlashTally {
public:
    void reset();
    void add(const StepShown& shown);
    // The refresh period the system reports, for a flash that gives no counter.
    void setReportedRate(double hz) { reportedHz_ = hz; }
    // The display does not report presentation for this window: the steps it left unconfirmed
    // are its silence, not the program's.
    void noteUnreported() { unreported_ = true; }

    int steps() const { return steps_; }
    std::int64_t missed() const { return missed_; }
    int skipped() const { return skipped_; }
    // Sent, but never reported shown or not; no other figure counts them.
    int unconfirmed() const { return unconfirmed_; }
    // From the first showing to the last, counting the last step's own refreshes.
    std::int64_t refreshes() const;
    // Measured from counters and timestamps; the reported rate where they cannot tell.
    double measuredRate() const;
    // The screen's name where a flash covers several.
    QString summary(const QString& screen = {}) const;

private:
    int steps_ = 0;
    std::int64_t missed_ = 0;
    int skipped_ = 0;
    int unconfirmed_ = 0;
    bool unreported_ = false;
    double reportedHz_ = 0;
    std::optional<std::uint64_t> firstMsc_;
    std::optional<std::uint64_t> lastMsc_;
    std::optional<std::int64_t> firstUs_;
    std::int64_t lastUs_ = 0;
    std::int64_t lastHold_ = 1;
    // Step to step, for the spread of the rate.
    RateMeasure rate_;
};
