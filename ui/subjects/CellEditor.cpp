#include "CellEditor.h"

#include "CellInput.h"
#include "SubjectsTable.h"

#include <QKeyEvent>

namespace korvel {
namespace {

QString accepted(SubjectColumn column, const QString& text)
{
    return QString::fromStdString(cellInput(column, text.toStdString()));
}

}  // namespace

CellEditor::CellEditor(SubjectColumn column, QWidget* parent) : QLineEdit(parent), column_(column)
{
    setMaxLength(inputLimit(column));
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    connect(this, &QLineEdit::textEdited, this, &CellEditor::keepAccepted);
}

void CellEditor::keyPressEvent(QKeyEvent* event)
{
    for (const char32_t typed : event->text().toUcs4()) {
        if (!SubjectsTable::acceptsKey(column_, typed)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void CellEditor::keepAccepted(const QString& edited)
{
    const QString kept = accepted(column_, edited);
    if (kept == edited) {
        return;
    }
    const int cursor = static_cast<int>(accepted(column_, edited.left(cursorPosition())).size());
    setText(kept);
    setCursorPosition(cursor);
}

}  // namespace korvel
