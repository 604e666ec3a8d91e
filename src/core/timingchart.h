#pragma once

#include "core/chart.h"
#include "core/steptiming.h"

#include <QStringList>

// The lines of a screen's table: steps, rate, late, missed, skipped, deviations.
QStringList timingFigures(const ScreenTiming& timing);

// A panel a screen: every step's interval against its plan, with the late, skipped and
// unreported steps marked; a histogram of the intervals beside it on the same scale; the table.
Chart timingChart(const std::vector<ScreenTiming>& screens);
