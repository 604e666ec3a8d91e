#include "core/chartsvg.h"

#include <QRectF>

namespace {

QByteArray number(double value) {
    return QByteArray::number(value, 'f', 2);
}

QByteArray escaped(const QString& text) {
    return text.toHtmlEscaped().replace(u'\'', QStringLiteral("&apos;")).toUtf8();
}

QByteArray shapeCommon(const ChartShape& shape) {
    QByteArray attributes = " class=\"" + escaped(shape.role) + '"';
    if (shape.value)
        attributes += " data-value=\"" + QByteArray::number(*shape.value, 'g', 12) + '"';
    return attributes;
}

QByteArray element(const ChartShape& shape) {
    const QByteArray color = shape.color.name().toLatin1();
    const QByteArray common = shapeCommon(shape);
    const std::vector<QPointF>& p = shape.points;
    switch (shape.kind) {
    case ChartShape::Kind::Line:
        return "<line" + common + " x1=\"" + number(p[0].x()) + "\" y1=\"" + number(p[0].y()) +
               "\" x2=\"" + number(p[1].x()) + "\" y2=\"" + number(p[1].y()) + "\" stroke=\"" +
               color + "\" stroke-width=\"" + number(shape.size) + "\"/>\n";
    case ChartShape::Kind::Polyline: {
        QByteArray points;
        points.reserve(qsizetype(p.size()) * 16);
        for (const QPointF& point : p)
            points += number(point.x()) + ',' + number(point.y()) + ' ';
        points.chop(1);
        return "<polyline" + common + " points=\"" + points + "\" fill=\"none\" stroke=\"" + color +
               "\" stroke-width=\"" + number(shape.size) + "\"/>\n";
    }
    case ChartShape::Kind::Rect: {
        const QRectF rect = QRectF(p[0], p[1]).normalized();
        return "<rect" + common + " x=\"" + number(rect.x()) + "\" y=\"" + number(rect.y()) +
               "\" width=\"" + number(rect.width()) + "\" height=\"" + number(rect.height()) +
               "\" fill=\"" + color + "\"/>\n";
    }
    case ChartShape::Kind::Circle:
        return "<circle" + common + " cx=\"" + number(p[0].x()) + "\" cy=\"" + number(p[0].y()) +
               "\" r=\"" + number(shape.size) + "\" fill=\"" + color + "\"/>\n";
    case ChartShape::Kind::Text: {
        static constexpr const char* anchors[] = {"start", "middle", "end"};
        return "<text" + common + " x=\"" + number(p[0].x()) + "\" y=\"" + number(p[0].y()) +
               "\" font-size=\"" + number(shape.size) + "\" text-anchor=\"" +
               anchors[int(shape.anchor)] + "\" fill=\"" + color + "\">" + escaped(shape.text) +
               "</text>\n";
    }
    }
    return {};
}

} // namespace

QByteArray chartSvg(const Chart& chart) {
    QByteArray svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
        number(chart.width) + "\" height=\"" + number(chart.height) + "\" viewBox=\"0 0 " +
        number(chart.width) + ' ' + number(chart.height) +
        "\" font-family=\"sans-serif\">\n<rect width=\"100%\" height=\"100%\" fill=\"" +
        chart.background.name().toLatin1() + "\"/>\n";
    int panel = -1;
    for (const ChartShape& shape : chart.shapes) {
        if (shape.panel != panel) {
            if (panel >= 0)
                svg += "</g>\n";
            panel = shape.panel;
            svg += "<g class=\"panel\">\n";
        }
        svg += element(shape);
    }
    if (panel >= 0)
        svg += "</g>\n";
    svg += "</svg>\n";
    return svg;
}
