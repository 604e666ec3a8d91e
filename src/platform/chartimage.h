#pragma once

#include "core/chart.h"

#include <QImage>

// The chart painted at one pixel a unit; needs a QGuiApplication for its fonts.
QImage chartImage(const Chart& chart);
