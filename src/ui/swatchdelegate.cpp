#include "ui/swatchdelegate.h"

#include <QPixmap>

QIcon SwatchDelegate::swatchIcon(const QColor& color, const QSize& size) const {
    const quint64 key = (quint64(color.rgba()) << 32) | (quint64(size.width() & 0xFFFF) << 16) |
                        quint64(size.height() & 0xFFFF);
    if (const QIcon* icon = icons_.object(key))
        return *icon;
    // As the plain delegate draws a color: a pixmap of the decoration's size, filled.
    QPixmap pixmap(size);
    pixmap.fill(color);
    const QIcon icon(pixmap);
    icons_.insert(key, new QIcon(icon));
    return icon;
}

void SwatchDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant swatch = index.data(Qt::DecorationRole);
    if (swatch.typeId() == QMetaType::QColor)
        option->icon = swatchIcon(swatch.value<QColor>(), option->decorationSize);
}
