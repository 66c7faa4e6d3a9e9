#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace korvel {

// The look shared by the live panels and the subjects panel: flat coloured labels in Arial.
QFont arialFont(int pixelSize, bool bold);
void setLabelColors(QLabel& label, const QColor& text, const QColor& background);

// A panel's title bar: the caption in white on the edition's strong colour.
QLabel* makeTitleBar(const QString& caption, const QColor& background, QWidget* parent);
// A heading over a counter: a grey bar with a white 11-pixel caption.
QLabel* makeHeading(const QString& caption, QWidget* parent);

}  // namespace korvel
