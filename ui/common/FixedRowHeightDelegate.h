#pragma once

#include <QStyledItemDelegate>

namespace korvel {

// Draws list items as usual but in rows of a fixed height, whatever the font asks for.
class FixedRowHeightDelegate : public QStyledItemDelegate {
public:
    FixedRowHeightDelegate(int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), rowHeight_(rowHeight)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(rowHeight_);
        return size;
    }

private:
    int rowHeight_;
};

}  // namespace korvel
