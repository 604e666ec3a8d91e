#include "core/flashstepper.h"

#include "core/flashsettings.h"

namespace {

std::optional<NumberedStep> copied(const NumberedStep* step) {
    return step ? std::optional<NumberedStep>(*step) : std::nullopt;
}

} // namespace

FlashStep FlashStepper::advance(ErrorTrap& trap, const FlashSettings& settings,
                                std::int32_t surfaceWidth, std::int32_t surfaceHeight) {
    if (const NumberedStep* replayed = history_.forward())
        return replayed->step;
    const FlashStep drawn = sequencer_.nextStep(trap, settings, surfaceWidth, surfaceHeight);
    if (!std::holds_alternative<std::monostate>(drawn)) {
        history_.record(drawn);
        return drawn;
    }
    // The tick that only rewinds the cycle still counts: its color stays one step longer.
    if (const NumberedStep* held = history_.current())
        history_.record(held->step);
    return drawn;
}

ColorSequencer::Tick FlashStepper::tick(ErrorTrap& trap, const FlashSettings& settings,
                                        std::int32_t surfaceWidth, std::int32_t surfaceHeight) {
    ColorSequencer::Tick tick;
    tick.hintTimeUp = sequencer_.countHint(trap);
    tick.step = advance(trap, settings, surfaceWidth, surfaceHeight);
    return tick;
}

std::optional<NumberedStep> FlashStepper::next(ErrorTrap& trap, const FlashSettings& settings,
                                               std::int32_t surfaceWidth,
                                               std::int32_t surfaceHeight) {
    const NumberedStep* before = history_.current();
    const std::int64_t number = before ? before->number : 0;
    advance(trap, settings, surfaceWidth, surfaceHeight);
    const NumberedStep* after = history_.current();
    return after && after->number != number ? copied(after) : std::nullopt;
}

std::optional<NumberedStep> FlashStepper::previous() {
    return copied(history_.back());
}

std::optional<NumberedStep> FlashStepper::first(const FlashSettings& settings,
                                                std::int32_t surfaceWidth,
                                                std::int32_t surfaceHeight) {
    const std::vector<std::int32_t>& palette = sequencer_.palette;
    if (palette.empty() || !settings.mode)
        return std::nullopt;
    // As the cycle's first step left the cursors, so that the next step is the cycle's second.
    sequencer_.firstIndex = 1;
    if (*settings.mode == ColorMode::Solid)
        return history_.record(SolidStep{palette.front()});
    sequencer_.secondIndex = 2;
    const std::int32_t second = palette.size() > 1 ? palette[1] : palette.front();
    const bool vertical = settings.direction == GradientDirection::UpAndDown;
    return history_.record(
        GradientStep{palette.front(), second, {0, 0, surfaceWidth, surfaceHeight}, vertical});
}
