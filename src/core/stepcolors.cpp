#include "core/stepcolors.h"

std::pair<std::int32_t, std::optional<std::int32_t>> stepColors(const FlashStep& step,
                                                                std::int32_t none) {
    if (const auto* solid = std::get_if<SolidStep>(&step))
        return {solid->color, std::nullopt};
    if (const auto* gradient = std::get_if<GradientStep>(&step))
        return {gradient->firstColor, gradient->secondColor};
    if (const auto* patch = std::get_if<PatchStep>(&step))
        return {nearestColor8(patch->color), patch->background
                                                 ? std::optional(nearestColor8(*patch->background))
                                                 : std::nullopt};
    return {none, std::nullopt};
}
