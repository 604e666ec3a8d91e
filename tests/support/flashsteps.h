#pragma once

#include "core/colorsequencer.h"
#include "coretest.h"

#include <QString>
#include <cstdint>

// Three colors the flash suites tell apart at a glance.
inline const std::int32_t A = rgb(255, 0, 0);
inline const std::int32_t B = rgb(0, 255, 0);
inline const std::int32_t C = rgb(0, 0, 255);

inline QString colorText(std::int32_t color) {
    return QString::number(color, 16);
}

// A step as "color", "first>second" or "-" for none, so a run compares as a list of texts.
inline QString stepText(const FlashStep& step) {
    if (const auto* solid = std::get_if<SolidStep>(&step))
        return colorText(solid->color);
    if (const auto* gradient = std::get_if<GradientStep>(&step))
        return colorText(gradient->firstColor) + ">" + colorText(gradient->secondColor);
    return QStringLiteral("-");
}
