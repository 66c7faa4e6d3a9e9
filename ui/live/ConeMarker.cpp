#include "ConeMarker.h"

#include <QPainter>

namespace korvel {

ConeMarker::ConeMarker(const QColor& outline, const QColor& fill, QWidget* parent)
    : QWidget(parent), outline_(outline), fill_(fill)
{
    // A hollow marker lets the court picture show through.
    setAttribute(Qt::WA_TranslucentBackground);
}

void ConeMarker::setFill(const QColor& fill, bool solid)
{
    fill_ = fill;
    solid_ = solid;
    update();
}

void ConeMarker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(solid_ ? QBrush(fill_) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace korvel
