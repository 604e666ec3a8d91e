#include "core/colorsequencer.h"

#include "core/errortrap.h"
#include "core/failure.h"
#include "core/flashsettings.h"
#include "core/randomint.h"

#include <QCoreApplication>

std::int32_t ColorSequencer::colorAt(std::int32_t position) const {
    if (position < 0 || position >= static_cast<std::int32_t>(palette.size()))
        throw Failure(QCoreApplication::translate(
                          "ColorSequencer", "There is no color at position %1 of a list of %2")
                          .arg(position)
                          .arg(palette.size()));
    return palette[static_cast<std::size_t>(position)];
}

std::int32_t ColorSequencer::randomPick() const {
    return static_cast<std::int32_t>(RandomInt(static_cast<std::int32_t>(palette.size()))) - 1;
}

ColorSequencer::Tick ColorSequencer::tick(ErrorTrap& trap, const FlashSettings& settings,
                                          std::int32_t surfaceWidth, std::int32_t surfaceHeight) {
    Tick tick;
    tick.hintTimeUp = countHint(trap);
    tick.step = nextStep(trap, settings, surfaceWidth, surfaceHeight);
    return tick;
}

bool ColorSequencer::countHint(ErrorTrap& trap) {
    bool timeUp = false;
    if (trap.test(100, [&] { return hintTicks < 15; }))
        trap.step(102, [&] { ++hintTicks; });
    else
        trap.step(104, [&] { timeUp = true; });
    return timeUp;
}

FlashStep ColorSequencer::nextStep(ErrorTrap& trap, const FlashSettings& settings,
                                   std::int32_t surfaceWidth, std::int32_t surfaceHeight) {
    FlashStep step;
    const auto last = static_cast<std::int32_t>(palette.size()) - 1;
    if (trap.test(106, [&] { return settings.mode == ColorMode::Solid; })) {
        if (trap.test(108, [&] { return firstIndex > last; })) {
            trap.step(110, [&] { firstIndex = 0; });
            return step;
        }
        if (trap.test(112, [&] { return settings.order == FlashOrder::Random; })) {
            std::int32_t pick = 0;
            trap.step(114, [&] { pick = randomPick(); });
            trap.step(116, [&] { step = SolidStep{colorAt(pick)}; });
            return step;
        }
        trap.step(118, [&] { step = SolidStep{colorAt(firstIndex)}; });
        trap.step(120, [&] { ++firstIndex; });
        return step;
    }

    if (!trap.test(122, [&] { return settings.mode == ColorMode::Gradient; }))
        return step;
    GradientStep gradient{0, 0, {0, 0, 0, 0}, false};
    if (trap.test(124, [&] { return settings.direction == GradientDirection::LeftToRight; }))
        trap.step(126, [&] { gradient.vertical = false; });
    else if (trap.test(128, [&] { return settings.direction == GradientDirection::UpAndDown; }))
        trap.step(130, [&] { gradient.vertical = true; });
    // The surface is the window's own, so the rectangle starts at its corner whatever the
    // window's place on the desktop.
    trap.step(136, [&] { gradient.rectangle.right = surfaceWidth; });
    trap.step(138, [&] { gradient.rectangle.bottom = surfaceHeight; });

    if (trap.test(140, [&] { return settings.order == FlashOrder::Random; })) {
        std::int32_t pick = 0;
        trap.step(142, [&] { pick = randomPick(); });
        trap.step(144, [&] { gradient.firstColor = colorAt(pick); });
        trap.step(146, [&] { reseedRandom(last); });
        trap.step(148, [&] { pick = randomPick(); });
        trap.step(150, [&] { gradient.secondColor = colorAt(pick); });
    } else if (trap.test(152, [&] { return settings.order == FlashOrder::Cycle; })) {
        if (trap.test(154, [&] { return firstIndex > last; }))
            trap.step(156, [&] { firstIndex = 0; });
        if (trap.test(158, [&] { return secondIndex > last; }))
            trap.step(160, [&] { secondIndex = 0; });
        trap.step(162, [&] { gradient.firstColor = colorAt(firstIndex); });
        trap.step(164, [&] { gradient.secondColor = colorAt(secondIndex); });
        trap.step(166, [&] { ++firstIndex; });
        trap.step(168, [&] { ++secondIndex; });
    }
    return gradient;
}
