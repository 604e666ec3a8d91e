#pragma once

#include "core/framelog.h"

#include <cstdint>
#include <optional>
#include <vector>

// Of the steps one screen reports on the same refresh only the last was seen: the others were
// replaced before the refresh showed them. So each report is held until the next one, or the
// end of its refresh, tells whether the refresh was its own; steps told skipped meanwhile wait
// behind it, so that the rows keep the order of the reports.
class OneStepPerRefresh {
public:
    // The rows now decided, in the order to write them.
    std::vector<StepShown> add(const StepShown& report);
    // The rows held, once the refresh after the first one's has begun by the clock of the
    // reports: a step replacing it is told by then. At the close (no clock), whenever.
    std::vector<StepShown> takeHeld(std::optional<std::int64_t> nowUs, std::int64_t refreshUs);
    // From when the rows held can be taken, or none held.
    std::optional<std::int64_t> heldUntilUs(std::int64_t refreshUs) const;

private:
    // A step shown first, then the skipped ones after it.
    std::vector<StepShown> held_;
};
