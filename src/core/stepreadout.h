#pragma once

#include "core/stephistory.h"

#include <QString>
#include <optional>

// What a paused flash tells of the step it shows: its color or the two ends of its gradient as
// the list writes them, its number and, when the flash keeps to the refreshes, their rate.
QString stepReadout(const NumberedStep& shown, std::optional<double> refreshRate = std::nullopt);
