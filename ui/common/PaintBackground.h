#pragma once

#include <QColor>

class QWidget;

namespace korvel {

// Fills the widget's background with one colour, as the designs' coloured panels are.
void paintBackground(QWidget& widget, const QColor& color);

}  // namespace korvel
