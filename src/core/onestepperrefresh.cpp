#include "core/onestepperrefresh.h"

#include <utility>

std::vector<StepShown> OneStepPerRefresh::add(const StepShown& report) {
    // A step never shown had no refresh to share.
    if (report.skipped) {
        if (held_.empty())
            return {report};
        held_.push_back(report);
        return {};
    }
    if (!held_.empty() && report.shownMsc && held_.front().shownMsc == report.shownMsc)
        held_.front().skipped = true;
    std::vector<StepShown> decided = std::exchange(held_, {});
    // Without a counter nothing tells two refreshes apart.
    if (report.shownMsc && !report.unconfirmed)
        held_.push_back(report);
    else
        decided.push_back(report);
    return decided;
}

std::vector<StepShown> OneStepPerRefresh::takeHeld(std::optional<std::int64_t> nowUs,
                                                   std::int64_t refreshUs) {
    const std::optional<std::int64_t> until = heldUntilUs(refreshUs);
    if (!until || (nowUs && *nowUs < *until))
        return {};
    return std::exchange(held_, {});
}

std::optional<std::int64_t> OneStepPerRefresh::heldUntilUs(std::int64_t refreshUs) const {
    if (held_.empty())
        return std::nullopt;
    // A present carried out late on the same refresh is told within it; one more for the way.
    return held_.front().shownUs + 2 * refreshUs;
}
