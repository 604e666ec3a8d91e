#pragma once

#include "core/framelogreader.h"

#include <QString>
#include <vector>

// Draws the timing of the steps to path, SVG or PNG by its suffix, replacing what was there;
// the problem in one line naming the file, or empty. PNG needs a QGuiApplication.
QString writeTimingReport(const QString& path, const std::vector<LoggedStep>& steps);

// Reads a saved --log and draws it: the problem in one line, or empty.
QString writeTimingReportFromLog(const QString& reportPath, const QString& logPath);
