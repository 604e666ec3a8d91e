#pragma once

#include <QCache>
#include <QIcon>
#include <QStyledItemDelegate>

// Draws the swatch of a list entry from one icon per color and size. Qt keeps the pixmaps it
// draws an icon with in a cache keyed by the icon's pixmap; an icon made anew at every paint, as
// the plain delegate makes one for a color, added entries to that cache at every repaint.
class SwatchDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The icon a swatch of this color and size is drawn with, the same one every time.
    QIcon swatchIcon(const QColor& color, const QSize& size) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    // Enough for every row on screen many times over; the least used go first.
    static constexpr int mostIcons = 512;
    mutable QCache<quint64, QIcon> icons_{mostIcons};
};
