#include "platform/chartimage.h"

#include <QPainter>
#include <QPolygonF>

namespace {

void paint(QPainter& painter, const ChartShape& shape) {
    const std::vector<QPointF>& p = shape.points;
    switch (shape.kind) {
    case ChartShape::Kind::Line:
        painter.setPen(QPen(shape.color, shape.size));
        painter.drawLine(p[0], p[1]);
        return;
    case ChartShape::Kind::Polyline: {
        painter.setPen(QPen(shape.color, shape.size));
        const QPolygonF line(QList<QPointF>(p.begin(), p.end()));
        painter.drawPolyline(line);
        return;
    }
    case ChartShape::Kind::Rect:
        painter.fillRect(QRectF(p[0], p[1]).normalized(), shape.color);
        return;
    case ChartShape::Kind::Circle:
        painter.setPen(Qt::NoPen);
        painter.setBrush(shape.color);
        painter.drawEllipse(p[0], shape.size, shape.size);
        painter.setBrush(Qt::NoBrush);
        return;
    case ChartShape::Kind::Text: {
        QFont font = painter.font();
        font.setPixelSize(std::max(1, int(shape.size)));
        painter.setFont(font);
        painter.setPen(shape.color);
        // Anchored on the baseline, as SVG anchors its text.
        const double width = painter.fontMetrics().horizontalAdvance(shape.text);
        const double shift = shape.anchor == ChartShape::Anchor::Start    ? 0
                             : shape.anchor == ChartShape::Anchor::Middle ? width / 2
                                                                          : width;
        painter.drawText(QPointF(p[0].x() - shift, p[0].y()), shape.text);
        return;
    }
    }
}

} // namespace

QImage chartImage(const Chart& chart) {
    QImage image(int(std::ceil(chart.width)), int(std::ceil(chart.height)), QImage::Format_RGB32);
    image.fill(chart.background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ChartShape& shape : chart.shapes)
        paint(painter, shape);
    return image;
}
