#include "ui/colorlistview.h"

#include "core/colorentry.h"
#include "core/colorvalue.h"
#include "core/failure.h"
#include "ui/swatchdelegate.h"

#include <QColor>
#include <QHeaderView>

namespace {

// Far wider than the list; laying out and eliding a longer text would grow with its length.
constexpr qsizetype longestShownText = 256;

QString shownText(const QString& entry) {
    if (entry.size() <= longestShownText)
        return entry;
    qsizetype cut = longestShownText;
    // Half a surrogate pair would show as a box.
    if (entry[cut - 1].isHighSurrogate())
        --cut;
    return entry.left(cut) + QChar(0x2026);
}

} // namespace

int ColorListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant ColorListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= entries_.size())
        return {};
    if (role == Qt::DisplayRole)
        return shownText(entries_[index.row()]);
    if (role == Qt::EditRole)
        return entries_[index.row()];
    if (role == Qt::DecorationRole) {
        const std::int32_t color = swatchOf(index.row());
        if (color == noSwatch)
            return {};
        return colorToQColor(color);
    }
    return {};
}

std::int32_t ColorListModel::swatchOf(int row) const {
    std::int32_t& swatch = swatches_[static_cast<std::size_t>(row)];
    if (swatch == notReadYet) {
        try {
            swatch = ParseColorEntry(entries_[row]);
        } catch (const Failure&) {
            swatch = noSwatch;
        }
    }
    return swatch;
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
    swatches_.resize(static_cast<std::size_t>(entries_.size()), notReadYet);
    endInsertRows();
}

void ColorListModel::removeAt(int row) {
    beginRemoveRows({}, row, row);
    entries_.removeAt(row);
    swatches_.erase(swatches_.begin() + row);
    endRemoveRows();
}

void ColorListModel::clear() {
    beginResetModel();
    entries_.clear();
    swatches_.clear();
    endResetModel();
}

void ColorListModel::setHeaderText(const QString& text) {
    header_ = text;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

ColorListView::ColorListView(QWidget* parent)
    : QTreeView(parent), model_(new ColorListModel(this)) {
    setModel(model_);
    setItemDelegate(new SwatchDelegate(this));
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
