#pragma once

#include "core/colorsequencer.h"

#include <cstddef>
#include <cstdint>
#include <deque>

// A step as it was shown, with its place in the sequence of this opening (1 is the first).
struct NumberedStep {
    FlashStep step;
    std::int64_t number = 0;
    bool operator==(const NumberedStep&) const = default;
};

// The steps a flash has shown, so that a random order can be walked back and then replayed.
class StepHistory {
public:
    // Enough to walk back a long inspection; older steps are forgotten.
    static constexpr std::size_t Capacity = 1000;

    void clear();
    // A step drawn afresh after the one shown now; steps walked back over are dropped, as they
    // can no longer follow it.
    const NumberedStep& record(const FlashStep& step);
    // The step shown now, or none before the first.
    const NumberedStep* current() const;
    // One step back or forward; none at either end.
    const NumberedStep* back();
    const NumberedStep* forward();
    bool atNewest() const { return steps_.empty() || position_ + 1 == steps_.size(); }
    std::size_t size() const { return steps_.size(); }

private:
    std::deque<NumberedStep> steps_;
    std::size_t position_ = 0;
};
