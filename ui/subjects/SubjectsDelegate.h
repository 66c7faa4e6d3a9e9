#pragma once

#include <QStyledItemDelegate>

namespace korvel {

// Gives the subjects grid its in-place editor for the typed columns.
class SubjectsDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

}  // namespace korvel
