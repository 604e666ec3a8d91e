#pragma once

#include "core/chart.h"

#include <QByteArray>

// The chart as an SVG document; each panel a group, each shape's role its class.
QByteArray chartSvg(const Chart& chart);
