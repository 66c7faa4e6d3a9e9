#include "SubjectsDelegate.h"

#include "CellEditor.h"
#include "SubjectsTableModel.h"

namespace korvel {

QWidget* SubjectsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const SubjectColumn column = SubjectsTableModel::columnAt(index);
    if (!isEditable(column)) {
        return nullptr;
    }
    auto* editor = new CellEditor(column, parent);
    editor->setFont(option.font);
    return editor;
}

}  // namespace korvel
