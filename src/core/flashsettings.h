#pragma once

#include <QString>
#include <optional>

// The delay a new or refused delay field shows, in milliseconds.
inline constexpr const char* DefaultDelayText = "500";

enum class FlashOrder { Random, Cycle };
enum class ColorMode { Solid, Gradient };
enum class GradientDirection { LeftToRight, UpAndDown };

// How a flash runs, as whoever drives it has it at this moment. Any choice may be unset, as a
// group of option buttons can be left with neither button selected.
struct FlashSettings {
    std::optional<FlashOrder> order;
    std::optional<ColorMode> mode;
    std::optional<GradientDirection> direction;
    QString delayText = QLatin1String(DefaultDelayText);
};
