#include "core/reportformat.h"

std::optional<ReportFormat> reportFormatForPath(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return ReportFormat::Svg;
    if (path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return ReportFormat::Png;
    return std::nullopt;
}
