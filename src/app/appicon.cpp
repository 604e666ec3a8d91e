#include "appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

QIcon applicationIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient bands(0, 0, size, 0);
        const QColor colors[] = {Qt::red,  QColor(255, 127, 0), Qt::yellow,         Qt::green,
                                 Qt::blue, QColor(75, 0, 130),  QColor(143, 0, 255)};
        for (int i = 0; i < 7; ++i)
            bands.setColorAt(i / 6.0, colors[i]);
        painter.setBrush(bands);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        icon.addPixmap(pixmap);
    }
    return icon;
}
