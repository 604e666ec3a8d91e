#include "core/steptiming.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>

namespace {

// The nearest-rank percentile; reorders the values.
double percentile(std::vector<double>& values, double percent) {
    if (values.empty())
        return 0;
    const auto rank = static_cast<std::size_t>(std::ceil(percent / 100.0 * double(values.size())));
    const auto nth =
        values.begin() + std::ptrdiff_t(std::clamp<std::size_t>(rank, 1, values.size()) - 1);
    std::nth_element(values.begin(), nth, values.end());
    return *nth;
}

struct ScreenWalk {
    ScreenTiming timing;
    const LoggedStep* lastShown = nullptr;
    int lastStep = 0;
    std::vector<std::int64_t> plannedRefreshes; // per interval; 0 where the counters tell none
};

void walk(ScreenWalk& screen, const LoggedStep& row) {
    ScreenTiming& timing = screen.timing;
    const qsizetype place = timing.steps++;
    if (row.shown.step <= screen.lastStep)
        screen.lastShown = nullptr;
    screen.lastStep = row.shown.step;
    if (row.showing == LoggedStep::Showing::Skipped) {
        ++timing.skipped;
        timing.skippedAt.push_back(place);
        return;
    }
    if (row.showing == LoggedStep::Showing::Unreported) {
        ++timing.unreported;
        timing.unreportedAt.push_back(place);
        return;
    }
    if (row.shown.missed > 0) {
        ++timing.late;
        // A made-up log may count past any real run; the sum stops at the largest.
        timing.refreshesMissed =
            row.shown.missed > std::numeric_limits<std::int64_t>::max() - timing.refreshesMissed
                ? std::numeric_limits<std::int64_t>::max()
                : timing.refreshesMissed + row.shown.missed;
    }
    if (const LoggedStep* before = std::exchange(screen.lastShown, &row)) {
        const std::int64_t us = row.shown.shownUs - before->shown.shownUs;
        if (row.shown.shownMsc && before->shown.shownMsc)
            timing.rate.add(std::int64_t(*row.shown.shownMsc - *before->shown.shownMsc), us);
        // From the refresh the step before came on: a late step is late once, and the steps
        // planned again after it are on time.
        const bool planned = row.shown.targetMsc && before->shown.shownMsc &&
                             *row.shown.targetMsc > *before->shown.shownMsc;
        screen.plannedRefreshes.push_back(
            planned ? std::int64_t(*row.shown.targetMsc - *before->shown.shownMsc) : 0);
        timing.intervals.push_back({place, us, 0, row.shown.missed > 0});
    }
}

void plan(ScreenWalk& screen) {
    ScreenTiming& timing = screen.timing;
    std::vector<double> values;
    values.reserve(timing.intervals.size());
    for (const StepInterval& interval : timing.intervals)
        values.push_back(double(interval.us));
    timing.medianUs = percentile(values, 50);
    const double periodUs = timing.rate.samples() > 0 ? 1e6 / timing.rate.hz() : 0;
    values.clear();
    for (std::size_t i = 0; i < timing.intervals.size(); ++i) {
        StepInterval& interval = timing.intervals[i];
        const std::int64_t refreshes = screen.plannedRefreshes[i];
        if (refreshes > 0 && periodUs > 0) {
            interval.plannedUs = double(refreshes) * periodUs;
            ++timing.plannedFromCounters;
        } else {
            interval.plannedUs = timing.medianUs;
        }
        values.push_back(std::abs(double(interval.us) - interval.plannedUs));
    }
    timing.deviationMaxUs = values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    timing.deviationP99Us = percentile(values, 99);
    timing.deviationP50Us = percentile(values, 50);
}

} // namespace

std::vector<ScreenTiming> measureStepTiming(const std::vector<LoggedStep>& steps) {
    std::vector<ScreenWalk> screens;
    std::map<QString, std::size_t> byName;
    for (const LoggedStep& row : steps) {
        // Nothing is known of the steps whose rows were lost: no interval spans them.
        if (row.showing == LoggedStep::Showing::Lost) {
            for (ScreenWalk& screen : screens)
                screen.lastShown = nullptr;
            continue;
        }
        const auto [found, added] = byName.try_emplace(row.shown.screen, screens.size());
        if (added) {
            screens.emplace_back();
            screens.back().timing.screen = row.shown.screen;
        }
        walk(screens[found->second], row);
    }
    std::vector<ScreenTiming> timings;
    timings.reserve(screens.size());
    for (ScreenWalk& screen : screens) {
        plan(screen);
        timings.push_back(std::move(screen.timing));
    }
    return timings;
}
