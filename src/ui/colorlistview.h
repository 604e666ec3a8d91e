#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QTreeView>
#include <cstdint>
#include <vector>

// The entry texts of the list control, in order; the texts are the only data. An entry shows
// its text, cut short when it is too long to be read, after a swatch of its color.
class ColorListModel final : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const QStringList& entries() const { return entries_; }
    void append(const QStringList& texts);
    void removeAt(int row);
    void clear();
    void setHeaderText(const QString& text);

private:
    // The swatch color of an entry, 0x00BBGGRR, or noSwatch for a text that is no color.
    std::int32_t swatchOf(int row) const;

    static constexpr std::int32_t noSwatch = -1;
    static constexpr std::int32_t notReadYet = -2;

    QStringList entries_;
    // One per entry, worked out when it is first shown, so that paints never read a text again.
    mutable std::vector<std::int32_t> swatches_;
    QString header_;
};

// The list control of the color list: one column with a header, one selected entry at most.
// A view over a plain list of texts, so that tens of thousands of entries load in milliseconds.
class ColorListView final : public QTreeView {
    Q_OBJECT
public:
    explicit ColorListView(QWidget* parent = nullptr);

    int count() const { return model_->rowCount(); }
    const QStringList& entries() const { return model_->entries(); }
    void append(const QStringList& texts) { model_->append(texts); }
    void removeAt(int row) { model_->removeAt(row); }
    void clear() { model_->clear(); }
    // The selected entry's position, or -1 with none selected.
    int selectedRow() const;
    void selectRow(int row);
    void addColumnHeader(const QString& text);

private:
    ColorListModel* model_;
};
