#include "LiveIcons.h"

#include "DrawnPixmap.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

namespace korvel {
namespace {

QIcon sameWhenDisabled(const QPixmap& pixmap)
{
    QIcon icon(pixmap);
    icon.addPixmap(pixmap, QIcon::Disabled);
    return icon;
}

}  // namespace

QIcon runningMarkIcon()
{
    return sameWhenDisabled(drawnPixmap(28, [](QPainter& p) {
        const QColor red(220, 20, 20);
        p.setPen(QPen(red, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(red);
        p.drawEllipse(QPointF(17, 5), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(15, 10), QPointF(12, 17));                                    // trunk
        p.drawPolyline(QPolygonF{QPointF(12, 17), QPointF(17, 20), QPointF(15, 26)});    // front leg
        p.drawPolyline(QPolygonF{QPointF(12, 17), QPointF(8, 22), QPointF(3, 22)});      // back leg
        p.drawPolyline(QPolygonF{QPointF(15, 10), QPointF(20, 13), QPointF(24, 10)});    // front arm
        p.drawPolyline(QPolygonF{QPointF(15, 10), QPointF(10, 11), QPointF(7, 15)});     // back arm
    }));
}

QIcon restingMarkIcon()
{
    return sameWhenDisabled(drawnPixmap(28, [](QPainter& p) {
        const QColor green(0, 128, 0);
        p.setPen(QPen(green, 2));
        p.setBrush(QColor(200, 255, 200));
        p.drawEllipse(QPointF(14, 16), 10, 10);
        p.setBrush(green);
        p.drawRect(QRectF(12, 2, 4, 2));  // the crown
        p.drawLine(QPointF(14, 4), QPointF(14, 6));
        p.setPen(QPen(green, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 16), QPointF(14, 9));
        p.drawLine(QPointF(14, 16), QPointF(19, 19));
    }));
}

}  // namespace korvel
