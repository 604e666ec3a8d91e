#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QTreeView>

// The entry texts of the list control, in order; the texts are the only data.
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
    QStringList entries_;
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
