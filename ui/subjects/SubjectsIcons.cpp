#include "SubjectsIcons.h"

#include "DrawnPixmap.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace korvel {

QIcon exportIcon()
{
    return QIcon(drawnPixmap(20, [](QPainter& p) {
        QPainterPath page;
        page.moveTo(3, 1);
        page.lineTo(13, 1);
        page.lineTo(17, 5);
        page.lineTo(17, 19);
        page.lineTo(3, 19);
        page.closeSubpath();
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.drawPolyline(QPolygonF{QPointF(13, 1), QPointF(13, 5), QPointF(17, 5)});
        // A green sheet of cells.
        p.setPen(QPen(QColor(0, 128, 0), 1));
        p.setBrush(QColor(200, 240, 200));
        p.drawRect(QRectF(5.5, 7.5, 9, 9));
        for (const qreal x : {8.5, 11.5}) {
            p.drawLine(QPointF(x, 7.5), QPointF(x, 16.5));
        }
        for (const qreal y : {10.5, 13.5}) {
            p.drawLine(QPointF(5.5, y), QPointF(14.5, y));
        }
    }));
}

QIcon clearTableIcon()
{
    return QIcon(drawnPixmap(20, [](QPainter& p) {
        p.setPen(QPen(QColor(40, 40, 120), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 3.5, 15, 13));
        p.fillRect(QRectF(3, 4, 14, 3), QColor(100, 130, 200));
        for (const qreal y : {7.5, 10.5, 13.5}) {
            p.drawLine(QPointF(2.5, y), QPointF(17.5, y));
        }
        p.drawLine(QPointF(8.5, 3.5), QPointF(8.5, 16.5));
        p.setPen(QPen(QColor(220, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 3), QPointF(17, 17));
        p.drawLine(QPointF(17, 3), QPointF(3, 17));
    }));
}

QIcon rowButtonIcon()
{
    return QIcon(drawnPixmap(13, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 150, 0));
        p.drawPolygon(QPolygonF{QPointF(1, 4.5), QPointF(6, 4.5), QPointF(6, 1), QPointF(12, 6.5), QPointF(6, 12),
                                QPointF(6, 8.5), QPointF(1, 8.5)});
    }));
}

QIcon reactivateIcon()
{
    return QIcon(drawnPixmap(16, [](QPainter& p) {
        const QColor orange(240, 130, 0);
        p.setPen(QPen(orange, 2.5, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(orange);
        p.drawPolygon(QPolygonF{QPointF(8, -0.5), QPointF(12.5, 3), QPointF(8, 6.5)});
    }));
}

}  // namespace korvel
