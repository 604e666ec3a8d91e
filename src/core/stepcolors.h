#pragma once

#include "core/colorsequencer.h"

#include <optional>
#include <utility>

// The first and the second color a step shows, as the log names them: the second only for a
// gradient, or a patch's background; the given color for no step.
std::pair<std::int32_t, std::optional<std::int32_t>> stepColors(const FlashStep& step,
                                                                std::int32_t none);
