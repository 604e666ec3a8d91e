#pragma once

#include <QString>
#include <optional>

enum class ReportFormat { Svg, Png };

// By the file name's suffix, in any case; none for another.
std::optional<ReportFormat> reportFormatForPath(const QString& path);
