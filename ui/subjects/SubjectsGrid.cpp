#include "SubjectsGrid.h"

#include "CellEditor.h"
#include "FlatLabels.h"
#include "SubjectsDelegate.h"
#include "SubjectsLayout.h"
#include "SubjectsTable.h"
#include "SubjectsTableModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>

namespace korvel {

SubjectsGrid::SubjectsGrid(SubjectsTableModel& model, QWidget* parent) : QTableView(parent), model_(model)
{
    setObjectName(QStringLiteral("HyperGrid_Sujetos"));
    setModel(&model_);
    setItemDelegate(new SubjectsDelegate(this));
    setFont(arialFont(11, false));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(kGridBorder);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Clicks open the editor themselves, once the table has chosen the cell and the mode.
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);

    QPalette colours = palette();
    colours.setColor(QPalette::Highlight, QColor(0, 128, 255));
    colours.setColor(QPalette::HighlightedText, Qt::white);
    colours.setColor(QPalette::Base, QColor(128, 128, 128));
    // The grid lines take a shade of the window colour, which would be the panel's.
    colours.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(colours);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(kRowHeight + kGridLine);

    QHeaderView* header = horizontalHeader();
    header->setFixedHeight(kHeaderHeight);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(1);
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    // Long captions wrap onto a second line of the title row.
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setFont(arialFont(10, true));
    header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: rgb(87, 87, 87); "
                                         "border: none; border-right: 1px solid rgb(60, 60, 60); padding: 0px; }"));

    connect(&model_, &SubjectsTableModel::tableSelectionChanged, this, &SubjectsGrid::followTable);
    followTable();
}

void SubjectsGrid::setColumnWidths(const std::vector<int>& widths)
{
    for (std::size_t c = 0; c < widths.size(); ++c) {
        setColumnWidth(static_cast<int>(c), widths[c] + kGridLine);
    }
}

void SubjectsGrid::commitEdit()
{
    if (state() != QAbstractItemView::EditingState) {
        return;
    }
    for (CellEditor* editor : viewport()->findChildren<CellEditor*>()) {
        if (!editor->isHidden()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
}

void SubjectsGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    if (following_ || !current.isValid()) {
        return;
    }
    // A move by the keyboard: the table decides where the selection lands.
    model_.table().selectCell(SubjectsTableModel::columnAt(current), current.row() + 1);
    followTable();
}

void SubjectsGrid::mousePressEvent(QMouseEvent* event)
{
    // The right button opens the popup menu about the row already selected.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (!clicked.isValid()) {
        return;
    }
    model_.table().selectCell(SubjectsTableModel::columnAt(clicked), clicked.row() + 1);
    followTable();
    editCurrentCell();
}

void SubjectsGrid::editCurrentCell()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && (model_.flags(current) & Qt::ItemIsEditable) && state() != EditingState) {
        edit(current);
    }
}

void SubjectsGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    // Only the mode changes; the cell stays the one selected, and is edited if it can be.
    event->accept();
    model_.table().doubleClicked();
    editCurrentCell();
}

void SubjectsGrid::keyPressEvent(QKeyEvent* event)
{
    const SubjectColumn column = model_.table().currentColumn();
    for (const char32_t typed : event->text().toUcs4()) {
        if (!SubjectsTable::acceptsKey(column, typed)) {
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void SubjectsGrid::followTable()
{
    if (following_) {
        return;
    }
    const QScopedValueRollback<bool> guard(following_, true);
    const SubjectsTable& table = model_.table();
    const bool wholeRows = table.inputMode() == TableInputMode::RowSelect;
    // Moving the current cell commits and closes an editor left on the cell before.
    const QModelIndex target = model_.indexOf(table.currentColumn(), table.currentRow());
    setSelectionBehavior(wholeRows ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    const QItemSelectionModel::SelectionFlags how =
        QItemSelectionModel::ClearAndSelect | (wholeRows ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate);
    selectionModel()->setCurrentIndex(target, how);
}

}  // namespace korvel
