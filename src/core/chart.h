#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

// A picture as plain shapes, for the writers of its file formats.
struct ChartShape {
    enum class Kind { Line, Polyline, Rect, Circle, Text };
    enum class Anchor { Start, Middle, End };
    Kind kind = Kind::Line;
    // What the shape shows ("late", "bin", "xtick"...); a file keeps it for a reader.
    QString role;
    // Line: its ends; Polyline: its points; Rect: two corners; Circle, Text: where it stands.
    std::vector<QPointF> points;
    // A circle's radius, a text's height, a line's width.
    double size = 1;
    QColor color;
    QString text;
    Anchor anchor = Anchor::Start;
    // The figure it stands for: a tick's value, a bin's count.
    std::optional<double> value;
    int panel = 0;
};

struct Chart {
    double width = 0;
    double height = 0;
    QColor background;
    std::vector<ChartShape> shapes;
};
