#pragma once

#include "core/framelogreader.h"
#include "core/ratemeasure.h"

#include <QString>
#include <vector>

// One step shown after another of the same opening of the flash.
struct StepInterval {
    qsizetype place = 0; // among the screen's rows, from 0
    std::int64_t us = 0; // since the step shown before it
    double plannedUs = 0;
    bool late = false;
};

// The timing of one screen over a log.
struct ScreenTiming {
    QString screen;
    qsizetype steps = 0;
    qsizetype late = 0;
    std::int64_t refreshesMissed = 0;
    qsizetype skipped = 0;
    qsizetype unreported = 0;
    RateMeasure rate;
    // An interval's plan is its step's target refresh less the refresh the step before came on,
    // at the measured rate; where the counters cannot tell, the median interval stands for it.
    qsizetype plannedFromCounters = 0;
    double medianUs = 0;
    std::vector<StepInterval> intervals;
    std::vector<qsizetype> skippedAt;
    std::vector<qsizetype> unreportedAt;
    // Of the intervals from their plan, in microseconds.
    double deviationP50Us = 0;
    double deviationP99Us = 0;
    double deviationMaxUs = 0;
};

// Per screen, in the order the log first names them. A step number that does not rise starts a
// new opening of the flash: no interval reaches back across it.
std::vector<ScreenTiming> measureStepTiming(const std::vector<LoggedStep>& steps);
