#pragma once

#include <QTableView>

#include <vector>

namespace korvel {

class SubjectsTableModel;

// HyperGrid_Sujetos: the subjects table as a grid. The table decides the selection and the
// input mode; the grid passes the operator's clicks, double-clicks and keys to it and then
// shows what it decided: whole rows in RowSelect, single cells with in-place editing of
// the typed columns in CellEdit.
class SubjectsGrid : public QTableView {
    Q_OBJECT

public:
    SubjectsGrid(SubjectsTableModel& model, QWidget* parent = nullptr);

    // Cell widths, each followed by a one-pixel grid line; the last column takes what is
    // left of the frame.
    void setColumnWidths(const std::vector<int>& widths);
    // Ends a cell edit in progress, keeping what was typed.
    void commitEdit();

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void followTable();
    void editCurrentCell();

    SubjectsTableModel& model_;
    bool following_ = false;
};

}  // namespace korvel
