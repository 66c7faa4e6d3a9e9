#include "PickList.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace korvel {
namespace {

bool isTypedCharacter(const QKeyEvent& event)
{
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

}  // namespace

PickList::PickList(QWidget* parent) : QComboBox(parent)
{
    // The open drop-down searches as one types, too.
    view()->installEventFilter(this);
}

void PickList::keyPressEvent(QKeyEvent* event)
{
    if (isTypedCharacter(*event)) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool PickList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view() && event->type() == QEvent::KeyPress
        && isTypedCharacter(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace korvel
