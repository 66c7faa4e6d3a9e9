#pragma once

#include "SubjectColumn.h"
#include "SubjectRow.h"
#include "TableInputMode.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvel {

struct EditionProfile;
class SubjectsTableListener;

// The players of one test, one data row per cone (rows 1 to rowCount), with the result
// recorded for each. Row and column arguments outside the table are ignored: reads give an
// empty text or false, writes change nothing.
class SubjectsTable {
public:
    SubjectsTable(int rowCount, bool hasVo2Max);
    // One row per cone of the edition's circuit; the VO2max column in basketball only.
    static SubjectsTable forEdition(const EditionProfile& profile);

    int rowCount() const { return static_cast<int>(rows_.size()); }
    int columnCount() const { return columnCount_; }
    bool hasRow(int row) const { return row >= 1 && row <= rowCount(); }
    bool hasColumn(SubjectColumn column) const;

    const SubjectRow& row(int row) const;
    const std::string& cell(SubjectColumn column, int row) const;
    // The one way text enters a cell. Name and Code keep only what their input rules
    // accept (cellInput); the text the cell holds afterwards is returned.
    std::string setCell(SubjectColumn column, int row, std::string_view text);
    bool isActive(int row) const;
    void setActive(int row, bool active);
    SubjectRowState rowState(int row) const;

    // Named rows get their number and their stop button; the others lose both.
    void activateNamedRows();
    bool hasNamedRow() const;
    bool hasRecordedResult() const;
    // Empties the result cells of every row; names, codes, numbers and active flags stay.
    void clearResults();
    // Empties every cell and makes every row inactive.
    void clearAll();
    bool canReactivate(int row, bool testRunning, bool warmUpActive) const;
    // Puts a stopped subject back into the running test with its result emptied; outside a
    // running test (or for a row without a name) only hides the row's stop button.
    void reactivateRow(int row, bool testRunning, bool warmUpActive);
    static bool acceptsKey(SubjectColumn column, char32_t typed);

    int currentRow() const { return currentRow_; }
    SubjectColumn currentColumn() const { return currentColumn_; }
    TableInputMode inputMode() const { return inputMode_; }
    void setInputMode(TableInputMode mode);

    // The operator's gestures and the moves of the selection.
    // A click on a cell, or the selection moving to it by the keyboard.
    void selectCell(SubjectColumn column, int row);
    // An operation moving the selection to a row, keeping the current column.
    void selectRow(int row);
    void doubleClicked();
    void pointerOverRowButton(int row);
    bool reactivateItemEnabled(bool testRunning, bool warmUpActive) const;
    void reactivateSelectedRow(bool testRunning, bool warmUpActive);

    // At most one listener; nullptr removes it. It must outlive the table or be removed.
    void setListener(SubjectsTableListener* listener) { listener_ = listener; }

private:
    SubjectRow& dataRow(int row) { return rows_[static_cast<std::size_t>(row - 1)]; }
    void writeCell(SubjectColumn column, int row, std::string text);
    void clearResultCells(int row);
    void setSelection(int row, SubjectColumn column, TableInputMode mode);

    int columnCount_;
    std::vector<SubjectRow> rows_;
    int currentRow_ = 1;
    SubjectColumn currentColumn_ = SubjectColumn::Number;
    TableInputMode inputMode_ = TableInputMode::RowSelect;
    SubjectsTableListener* listener_ = nullptr;
};

}  // namespace korvel
