#pragma once

#include "core/framelog.h"

#include <QByteArrayView>
#include <QString>
#include <vector>

// A step as a log tells it.
struct LoggedStep {
    enum class Showing {
        Shown,
        Skipped,    // never shown
        Unreported, // the system never said whether or when it was shown
        Lost,       // rows the log could not take, from this step and screen on
    };
    StepShown shown;
    Showing showing = Showing::Shown;
    std::int64_t lostRows = 0;
};

struct FrameLogReading {
    std::vector<LoggedStep> steps;
    // The first line that is not of the log, counted from 1; 0 when all are.
    qsizetype badLine = 0;
    QString problem;
};

// The rows of a --log file, all or none: a file with one bad line is no log to judge by.
FrameLogReading readFrameLog(QByteArrayView bytes);
