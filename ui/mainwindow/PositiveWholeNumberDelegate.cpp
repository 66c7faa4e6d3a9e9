#include "PositiveWholeNumberDelegate.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace korvel {
namespace {

// One to nine digits without a leading zero: every such number fits the engine's integers.
const QRegularExpression kPositiveWholeNumber(QStringLiteral("[1-9][0-9]{0,8}"));

}  // namespace

QWidget* PositiveWholeNumberDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                                   const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(kPositiveWholeNumber, editor));
    editor->setFrame(false);
    return editor;
}

void PositiveWholeNumberDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                               const QModelIndex& index) const
{
    const auto* line = static_cast<QLineEdit*>(editor);
    if (line->hasAcceptableInput()) {
        model->setData(index, line->text(), Qt::EditRole);
    }
}

}  // namespace korvel
