#pragma once

#include "core/colorsequencer.h"
#include "core/stephistory.h"

#include <optional>

class ErrorTrap;
struct FlashSettings;

// Steps of a flash by the timer and by hand: the sequencer draws new steps, the history keeps
// those shown, so that going back and forth again shows the same colors in every order, and the
// timer goes on from the step shown.
class FlashStepper {
public:
    explicit FlashStepper(ColorSequencer& sequencer) : sequencer_(sequencer) {}

    // A new opening: nothing shown yet.
    void reset() { history_.clear(); }

    // One tick of the timer: the hint count, then the step after the one shown.
    ColorSequencer::Tick tick(ErrorTrap& trap, const FlashSettings& settings,
                              std::int32_t surfaceWidth, std::int32_t surfaceHeight);
    // By hand: the step after the one shown, the one before it, the list's first color. None
    // when nothing can be shown (an empty list, no step before the oldest kept).
    std::optional<NumberedStep> next(ErrorTrap& trap, const FlashSettings& settings,
                                     std::int32_t surfaceWidth, std::int32_t surfaceHeight);
    std::optional<NumberedStep> previous();
    std::optional<NumberedStep> first(const FlashSettings& settings, std::int32_t surfaceWidth,
                                      std::int32_t surfaceHeight);

    const NumberedStep* shown() const { return history_.current(); }
    const StepHistory& history() const { return history_; }

private:
    // A step walked back over comes again before the sequencer draws a new one.
    FlashStep advance(ErrorTrap& trap, const FlashSettings& settings, std::int32_t surfaceWidth,
                      std::int32_t surfaceHeight);

    ColorSequencer& sequencer_;
    StepHistory history_;
};
