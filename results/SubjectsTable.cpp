#include "SubjectsTable.h"

#include "CellInput.h"
#include "EditionProfile.h"
#include "SubjectsTableListener.h"

#include <algorithm>

namespace korvel {
namespace {

const std::string kNoText;
const SubjectRow kNoRow;

// The input mode a selection on this column asks for; Vo2Max leaves the mode as it is.
TableInputMode modeForColumn(SubjectColumn column, TableInputMode current)
{
    switch (column) {
    case SubjectColumn::Name:
    case SubjectColumn::Code:
        return TableInputMode::CellEdit;
    case SubjectColumn::Vo2Max:
        return current;
    default:
        return TableInputMode::RowSelect;
    }
}

}  // namespace

SubjectsTable::SubjectsTable(int rowCount, bool hasVo2Max)
    : columnCount_(hasVo2Max ? kColumnsWithVo2Max : kColumnsWithoutVo2Max)
    , rows_(static_cast<std::size_t>(std::max(rowCount, 0)),
            SubjectRow{std::vector<std::string>(static_cast<std::size_t>(columnCount_)), false})
{
}

SubjectsTable SubjectsTable::forEdition(const EditionProfile& profile)
{
    return SubjectsTable(profile.stationsPerLap, profile.edition == SportEdition::Basket);
}

bool SubjectsTable::hasColumn(SubjectColumn column) const
{
    return columnIndex(column) >= 0 && columnIndex(column) < columnCount_;
}

const SubjectRow& SubjectsTable::row(int row) const
{
    return hasRow(row) ? rows_[static_cast<std::size_t>(row - 1)] : kNoRow;
}

const std::string& SubjectsTable::cell(SubjectColumn column, int row) const
{
    if (!hasRow(row) || !hasColumn(column)) {
        return kNoText;
    }
    return this->row(row).cells[static_cast<std::size_t>(columnIndex(column))];
}

std::string SubjectsTable::setCell(SubjectColumn column, int row, std::string_view text)
{
    if (!hasRow(row) || !hasColumn(column)) {
        return {};
    }
    writeCell(column, row, cellInput(column, text));
    return cell(column, row);
}

void SubjectsTable::writeCell(SubjectColumn column, int row, std::string text)
{
    std::string& stored = dataRow(row).cells[static_cast<std::size_t>(columnIndex(column))];
    if (stored == text) {
        return;
    }
    stored = std::move(text);
    if (listener_) {
        listener_->cellChanged(column, row);
    }
}

bool SubjectsTable::isActive(int row) const
{
    return this->row(row).active;
}

void SubjectsTable::setActive(int row, bool active)
{
    if (!hasRow(row) || dataRow(row).active == active) {
        return;
    }
    dataRow(row).active = active;
    if (listener_) {
        listener_->rowActiveChanged(row);
    }
}

SubjectRowState SubjectsTable::rowState(int row) const
{
    if (isActive(row)) {
        return SubjectRowState::Active;
    }
    if (cell(SubjectColumn::Name, row).empty()) {
        return SubjectRowState::Empty;
    }
    if (cell(SubjectColumn::PeriodsCompleted, row).empty()) {
        return SubjectRowState::Named;
    }
    return SubjectRowState::Stopped;
}

void SubjectsTable::activateNamedRows()
{
    for (int r = 1; r <= rowCount(); ++r) {
        const bool named = !cell(SubjectColumn::Name, r).empty();
        setActive(r, named);
        writeCell(SubjectColumn::Number, r, named ? std::to_string(r) : std::string());
    }
}

bool SubjectsTable::hasNamedRow() const
{
    return std::any_of(rows_.begin(), rows_.end(), [](const SubjectRow& r) {
        return !r.cells[columnIndex(SubjectColumn::Name)].empty();
    });
}

bool SubjectsTable::hasRecordedResult() const
{
    return std::any_of(rows_.begin(), rows_.end(), [](const SubjectRow& r) {
        return !r.cells[columnIndex(SubjectColumn::PeriodsCompleted)].empty();
    });
}

void SubjectsTable::clearResultCells(int row)
{
    for (int c = columnIndex(kFirstResultColumn); c < columnCount_; ++c) {
        writeCell(static_cast<SubjectColumn>(c), row, {});
    }
}

void SubjectsTable::clearResults()
{
    for (int r = 1; r <= rowCount(); ++r) {
        clearResultCells(r);
    }
}

void SubjectsTable::clearAll()
{
    for (int r = 1; r <= rowCount(); ++r) {
        for (int c = 0; c < columnCount_; ++c) {
            writeCell(static_cast<SubjectColumn>(c), r, {});
        }
        setActive(r, false);
    }
}

bool SubjectsTable::canReactivate(int row, bool testRunning, bool warmUpActive) const
{
    return !cell(SubjectColumn::Name, row).empty() && !cell(SubjectColumn::PeriodsCompleted, row).empty()
           && testRunning && !warmUpActive;
}

void SubjectsTable::reactivateRow(int row, bool testRunning, bool warmUpActive)
{
    if (!hasRow(row)) {
        return;
    }
    if (!cell(SubjectColumn::Name, row).empty() && testRunning && !warmUpActive) {
        writeCell(SubjectColumn::Number, row, std::to_string(row));
        clearResultCells(row);
        setActive(row, true);
    } else {
        setActive(row, false);
    }
}

bool SubjectsTable::acceptsKey(SubjectColumn column, char32_t typed)
{
    return acceptsTypedCharacter(column, typed);
}

void SubjectsTable::setSelection(int row, SubjectColumn column, TableInputMode mode)
{
    if (row == currentRow_ && column == currentColumn_ && mode == inputMode_) {
        return;
    }
    currentRow_ = row;
    currentColumn_ = column;
    inputMode_ = mode;
    if (listener_) {
        listener_->selectionChanged();
    }
}

void SubjectsTable::setInputMode(TableInputMode mode)
{
    setSelection(currentRow_, mode == TableInputMode::RowSelect ? SubjectColumn::Number : currentColumn_, mode);
}

void SubjectsTable::selectCell(SubjectColumn column, int row)
{
    if (!hasRow(row) || !hasColumn(column)) {
        return;
    }
    // The selection moves first (a whole row selects its Number cell), then the column it
    // landed on decides the mode.
    const SubjectColumn landed = inputMode_ == TableInputMode::RowSelect ? SubjectColumn::Number : column;
    const TableInputMode mode = modeForColumn(landed, inputMode_);
    setSelection(row, mode == TableInputMode::RowSelect ? SubjectColumn::Number : landed, mode);
}

void SubjectsTable::selectRow(int row)
{
    selectCell(currentColumn_, row);
}

void SubjectsTable::doubleClicked()
{
    setInputMode(TableInputMode::CellEdit);
}

void SubjectsTable::pointerOverRowButton(int row)
{
    if (hasRow(row)) {
        setSelection(row, SubjectColumn::Number, TableInputMode::RowSelect);
    }
}

bool SubjectsTable::reactivateItemEnabled(bool testRunning, bool warmUpActive) const
{
    return canReactivate(currentRow_, testRunning, warmUpActive);
}

void SubjectsTable::reactivateSelectedRow(bool testRunning, bool warmUpActive)
{
    reactivateRow(currentRow_, testRunning, warmUpActive);
}

}  // namespace korvel
