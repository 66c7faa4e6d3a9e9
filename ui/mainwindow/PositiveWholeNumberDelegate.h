#pragma once

#include <QStyledItemDelegate>

namespace korvel {

// Edits a list entry that must stay a whole positive number of milliseconds: the editor
// refuses anything else, and an entry left empty or at zero is not written back.
class PositiveWholeNumberDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace korvel
