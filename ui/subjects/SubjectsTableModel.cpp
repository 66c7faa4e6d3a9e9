#include "SubjectsTableModel.h"

#include "NamedColors.h"
#include "SubjectsTable.h"

#include <QBrush>
#include <QColor>

namespace korvel {
namespace {

const QColor kHeaderGround(87, 87, 87);

struct ColumnLook {
    QColor text;
    QColor ground;
};

ColumnLook lookOf(SubjectColumn column)
{
    switch (column) {
    case SubjectColumn::Number:
        return {kSilver, kGrey};
    case SubjectColumn::Name:
        return {Qt::black, kSilver};
    case SubjectColumn::Code:
        return {kGrey, kSilver};
    case SubjectColumn::Time:
        return {QColor(0, 128, 128), kSilver};
    case SubjectColumn::PeriodsCompleted:
        return {QColor(0, 0, 128), kSilver};
    case SubjectColumn::Distance:
        return {QColor(128, 0, 0), kSilver};
    case SubjectColumn::MaxSpeed:
        return {QColor(0, 128, 0), kSilver};
    case SubjectColumn::Vo2Max:
        return {QColor(0, 255, 0), kGrey};
    }
    return {Qt::black, kSilver};
}

}  // namespace

SubjectsTableModel::SubjectsTableModel(SubjectsTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
    table_.setListener(this);
}

SubjectsTableModel::~SubjectsTableModel()
{
    table_.setListener(nullptr);
}

QModelIndex SubjectsTableModel::indexOf(SubjectColumn column, int tableRow) const
{
    return index(tableRow - 1, columnIndex(column));
}

bool SubjectsTableModel::hasCell(const QModelIndex& index) const
{
    return index.isValid() && index.model() == this && index.row() < rowCount() && index.column() < columnCount();
}

int SubjectsTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.rowCount();
}

int SubjectsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.columnCount();
}

QVariant SubjectsTableModel::data(const QModelIndex& index, int role) const
{
    if (!hasCell(index)) {
        return {};
    }
    const SubjectColumn column = columnAt(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(table_.cell(column, index.row() + 1));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole:
        return QBrush(lookOf(column).text);
    case Qt::BackgroundRole:
        return QBrush(lookOf(column).ground);
    default:
        return {};
    }
}

QVariant SubjectsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (section < 0 || section >= table_.columnCount()) {
        return {};
    }
    const auto column = static_cast<SubjectColumn>(section);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromUtf8(columnCaption(column).data(), static_cast<qsizetype>(columnCaption(column).size()));
    case Qt::ForegroundRole: {
        const bool typed = column == SubjectColumn::Name || column == SubjectColumn::Code;
        return QBrush(typed ? QColor(Qt::white) : kSilver);
    }
    case Qt::BackgroundRole:
        return QBrush(kHeaderGround);
    default:
        return {};
    }
}

Qt::ItemFlags SubjectsTableModel::flags(const QModelIndex& index) const
{
    if (!hasCell(index)) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Only the typed columns, and only while cells are being edited rather than rows picked.
    if (isEditable(columnAt(index)) && table_.inputMode() == TableInputMode::CellEdit) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

bool SubjectsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // The mode decides where an editor may open, not whether an open one may commit: the
    // selection can leave the cell (and the mode change) just before the editor commits.
    if (role != Qt::EditRole || !hasCell(index) || !isEditable(columnAt(index))) {
        return false;
    }
    table_.setCell(columnAt(index), index.row() + 1, value.toString().toStdString());
    return true;
}

void SubjectsTableModel::cellChanged(SubjectColumn column, int row)
{
    const QModelIndex changed = indexOf(column, row);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void SubjectsTableModel::rowActiveChanged(int row)
{
    emit stopButtonChanged(row);
}

void SubjectsTableModel::selectionChanged()
{
    emit tableSelectionChanged();
}

}  // namespace korvel
