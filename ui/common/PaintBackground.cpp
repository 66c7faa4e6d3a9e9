#include "PaintBackground.h"

#include <QWidget>

namespace korvel {

void paintBackground(QWidget& widget, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, color);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace korvel
