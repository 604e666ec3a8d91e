#include "ui/colorlistview.h"

#include "core/colorentry.h"
#include "core/failure.h"

#include <QColor>
#include <QHeaderView>

namespace {

// The color an entry stands for, drawn as a small square before its text; nothing for a text
// that is no color.
QVariant swatchOf(const QString& entry) {
    try {
        const ColorComponents c = ColorToComponents(ParseColorEntry(entry));
        return QColor(c.red, c.green, c.blue);
    } catch (const Failure&) {
        return {};
    }
}

} // namespace

int ColorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant ColorListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= entries_.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return entries_[index.row()];
    if (role == Qt::DecorationRole)
        return swatchOf(entries_[index.row()]);
    return {};
}

QVariant ColorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header_;
    return {};
}

void ColorListModel::append(const QStringList& texts) {
    if (texts.isEmpty())
        return;
    const int first = static_cast<int>(entries_.size());
    beginInsertRows({}, first, first + static_cast<int>(texts.size()) - 1);
    entries_ += texts;
    endInsertRows();
}

void ColorListModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    entries_.removeAt(row);
    endRemoveRows();
}

void ColorListModel::clear() {
    beginResetModel();
    entries_.clear();
    endResetModel();
}

void ColorListModel::setHeaderText(const QString& text) {
    header_ = text;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

ColorListView::ColorListView(QWidget* parent)
    : QTreeView(parent), model_(new ColorListModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    header()->setStretchLastSection(false);
    // No column until the load adds its header.
    setHeaderHidden(true);
}

int ColorListView::selectedRow() const {
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ColorListView::selectRow(int row) {
    selectionModel()->select(model_->index(row),
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ColorListView::addColumnHeader(const QString& text) {
    model_->setHeaderText(text);
    setHeaderHidden(false);
}
