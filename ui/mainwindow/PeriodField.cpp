#include "PeriodField.h"

#include <QLineEdit>

namespace korvel {

PeriodField::PeriodField(QWidget* parent) : QSpinBox(parent)
{
    // A read-only editor drops typing and pasting while the field still steps.
    lineEdit()->setReadOnly(true);
    setRange(1, 1);
    setAlignment(Qt::AlignCenter);
}

}  // namespace korvel
