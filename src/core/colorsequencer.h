#pragma once

#include "core/drawingsurface.h"
#include "core/patchlevels.h"

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

class ErrorTrap;
struct FlashSettings;

struct SolidStep {
    std::int32_t color;
    bool operator==(const SolidStep&) const = default;
};

struct GradientStep {
    std::int32_t firstColor;
    std::int32_t secondColor;
    PixelRect rectangle;
    bool vertical;
    bool operator==(const GradientStep&) const = default;
};

// A calibration program's patch: a rectangle of one color over the background's, in the levels
// the program sent.
struct PatchStep {
    PatchLevels color;
    // Unset where the program names none: the rest of the screen is black.
    std::optional<PatchLevels> background;
    PixelRect rectangle;
    bool operator==(const PatchStep&) const = default;
};

// What one tick shows: nothing new, a solid color, or a gradient; or a patch.
using FlashStep = std::variant<std::monostate, SolidStep, GradientStep, PatchStep>;

// The flash's state between ticks, and the choice of the next color or pair at each tick.
class ColorSequencer {
public:
    std::vector<std::int32_t> palette;
    std::int16_t firstIndex = 0;
    std::int16_t secondIndex = 1;
    std::int16_t hintTicks = 0;

    struct Tick {
        bool hintTimeUp = false;
        FlashStep step;
    };

    // One tick, its steps numbered under the given trap, with the settings as they stand now; the
    // gradient spans a surface of the given size in pixels.
    Tick tick(ErrorTrap& trap, const FlashSettings& settings, std::int32_t surfaceWidth,
              std::int32_t surfaceHeight);
    // The tick's first part: whether the hint's time is up.
    bool countHint(ErrorTrap& trap);
    // The tick's choice of color alone, as a hand step takes it: the hint count stays.
    FlashStep nextStep(ErrorTrap& trap, const FlashSettings& settings, std::int32_t surfaceWidth,
                       std::int32_t surfaceHeight);

private:
    std::int32_t colorAt(std::int32_t position) const;
    std::int32_t randomPick() const;
};
