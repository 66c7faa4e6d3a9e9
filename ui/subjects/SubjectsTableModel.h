#pragma once

#include "SubjectColumn.h"
#include "SubjectsTableListener.h"

#include <QAbstractTableModel>

namespace korvel {

class SubjectsTable;

// The subjects table seen by Qt's item views: one item row per data row (row r of the table
// is item row r - 1), the captions in the horizontal header. The table stays the owner of
// every value; edits go through its one editing path, and its changes come back here.
class SubjectsTableModel : public QAbstractTableModel, private SubjectsTableListener {
    Q_OBJECT

public:
    explicit SubjectsTableModel(SubjectsTable& table, QObject* parent = nullptr);
    ~SubjectsTableModel() override;

    SubjectsTable& table() { return table_; }
    static SubjectColumn columnAt(const QModelIndex& index) { return static_cast<SubjectColumn>(index.column()); }
    QModelIndex indexOf(SubjectColumn column, int tableRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // A row's stop button is to be shown or hidden (table row number).
    void stopButtonChanged(int tableRow);
    // The table's current row, current column or input mode changed.
    void tableSelectionChanged();

private:
    bool hasCell(const QModelIndex& index) const;
    void cellChanged(SubjectColumn column, int row) override;
    void rowActiveChanged(int row) override;
    void selectionChanged() override;

    SubjectsTable& table_;
};

}  // namespace korvel
