#include "CourtDrawing.h"

#include "ConeLayout.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace korvel {
namespace {

const QColor kLine(255, 255, 255);

QPen linePen(qreal width = 2.0)
{
    return QPen(kLine, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void fillGround(QPainter& painter, const QColor& colour)
{
    painter.fillRect(QRect(QPoint(0, 0), kCourtPanelSize), colour);
}

// Basketball, 28 × 15 m at 16 pixels a metre, the halfway line across the panel's middle.
void paintBasketball(QPainter& painter)
{
    constexpr double kScale = 16.0;
    const QRectF court(46, 20, 15 * kScale, 28 * kScale);
    const double midX = court.center().x();
    const double midY = court.center().y();

    fillGround(painter, QColor(176, 122, 72));
    painter.fillRect(court, QColor(234, 196, 140));
    // Floor boards: faint lengthwise stripes.
    painter.setPen(QPen(QColor(222, 182, 126), 1));
    for (double x = court.left() + 8; x < court.right(); x += 8) {
        painter.drawLine(QPointF(x, court.top()), QPointF(x, court.bottom()));
    }

    const double keyWidth = 4.9 * kScale;
    const double keyDepth = 5.8 * kScale;
    const double circleRadius = 1.8 * kScale;
    const double basketOffset = 1.575 * kScale;
    const double threeRadius = 6.75 * kScale;
    const double cornerInset = 0.9 * kScale;
    const QColor paint(204, 112, 46);

    for (const int end : {0, 1}) {
        const bool top = end == 0;
        const double baseline = top ? court.top() : court.bottom();
        const double inwards = top ? 1.0 : -1.0;
        const QRectF key = QRectF(midX - keyWidth / 2, top ? baseline : baseline - keyDepth, keyWidth, keyDepth);
        painter.fillRect(key, paint);
        painter.setPen(linePen());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(key);

        const QPointF freeThrow(midX, baseline + inwards * keyDepth);
        painter.drawEllipse(freeThrow, circleRadius, circleRadius);

        // Three-point line: straight from the baseline near the sidelines, then the arc.
        const QPointF basket(midX, baseline + inwards * basketOffset);
        const double dx = midX - (court.left() + cornerInset);
        const double cornerY = basket.y() + inwards * std::sqrt(threeRadius * threeRadius - dx * dx);
        QPainterPath three;
        three.moveTo(court.left() + cornerInset, baseline);
        three.lineTo(court.left() + cornerInset, cornerY);
        const double startAngle = std::atan2(std::abs(cornerY - basket.y()), -dx) * 180.0 / M_PI;
        const QRectF arcBox(basket.x() - threeRadius, basket.y() - threeRadius, 2 * threeRadius, 2 * threeRadius);
        if (top) {
            three.arcTo(arcBox, -startAngle, -(180.0 - 2 * startAngle));
        } else {
            three.arcTo(arcBox, startAngle, 180.0 - 2 * startAngle);
        }
        three.lineTo(court.right() - cornerInset, baseline);
        painter.drawPath(three);

        // Backboard and rim.
        const double boardY = baseline + inwards * 1.2 * kScale;
        painter.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(midX - 0.9 * kScale, boardY), QPointF(midX + 0.9 * kScale, boardY));
        painter.setPen(QPen(QColor(230, 80, 20), 2));
        painter.drawEllipse(basket, 0.3 * kScale, 0.3 * kScale);
    }

    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(court.left(), midY), QPointF(court.right(), midY));
    painter.setBrush(QColor(204, 112, 46));
    painter.drawEllipse(QPointF(midX, midY), circleRadius, circleRadius);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(court);
}

// Football, 105 × 68 m, slightly squeezed lengthwise to fill the panel.
void paintFootball(QPainter& painter)
{
    const QRectF pitch(16, 14, 300, 461);
    const double sx = pitch.width() / 68.0;
    const double sy = pitch.height() / 105.0;
    const double midX = pitch.center().x();
    const double midY = pitch.center().y();

    fillGround(painter, QColor(52, 128, 58));
    // Mown stripes across the pitch.
    constexpr int kStripes = 12;
    for (int i = 0; i < kStripes; ++i) {
        const double top = pitch.top() + pitch.height() * i / kStripes;
        const QRectF stripe(pitch.left(), top, pitch.width(), pitch.height() / kStripes);
        painter.fillRect(stripe, i % 2 == 0 ? QColor(74, 160, 72) : QColor(64, 148, 64));
    }

    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pitch);
    painter.drawLine(QPointF(pitch.left(), midY), QPointF(pitch.right(), midY));
    painter.drawEllipse(QPointF(midX, midY), 9.15 * sx, 9.15 * sy);
    painter.setBrush(kLine);
    painter.drawEllipse(QPointF(midX, midY), 2, 2);

    for (const int end : {0, 1}) {
        const bool top = end == 0;
        const double goalLine = top ? pitch.top() : pitch.bottom();
        const double inwards = top ? 1.0 : -1.0;
        const auto box = [&](double widthM, double depthM) {
            const double depth = depthM * sy;
            return QRectF(midX - widthM * sx / 2, top ? goalLine : goalLine - depth, widthM * sx, depth);
        };
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box(40.32, 16.5));
        painter.drawRect(box(18.32, 5.5));
        const QPointF spot(midX, goalLine + inwards * 11 * sy);
        painter.setBrush(kLine);
        painter.drawEllipse(spot, 2, 2);
        // The arc of the penalty area, outside the area only.
        painter.setBrush(Qt::NoBrush);
        const QRectF arcBox(spot.x() - 9.15 * sx, spot.y() - 9.15 * sy, 18.3 * sx, 18.3 * sy);
        const double edgeDy = 5.5 / 9.15;  // area edge 16.5 m, spot at 11 m
        const double half = std::acos(edgeDy) * 180.0 / M_PI;
        painter.drawArc(arcBox, qRound((top ? 270.0 - half : 90.0 - half) * 16), qRound(2 * half * 16));
        // The goal, standing behind the line.
        const QRectF goal(midX - 7.32 * sx / 2, top ? goalLine - 8 : goalLine, 7.32 * sx, 8);
        painter.setPen(QPen(kLine, 1));
        painter.drawRect(goal);
        painter.setPen(linePen());
    }
    // Corner arcs: quarter circles inside the pitch only.
    painter.save();
    painter.setClipRect(pitch.adjusted(-1, -1, 1, 1));
    for (const QPointF corner : {pitch.topLeft(), pitch.topRight(), pitch.bottomLeft(), pitch.bottomRight()}) {
        painter.drawEllipse(corner, 5, 5);
    }
    painter.restore();
}

// Futsal, 40 × 20 m at 12 pixels a metre.
void paintFutsal(QPainter& painter)
{
    constexpr double kScale = 12.0;
    const QRectF court(46, 4.5, 20 * kScale, 40 * kScale);
    const double midX = court.center().x();
    const double midY = court.center().y();

    fillGround(painter, QColor(34, 72, 138));
    painter.fillRect(court, QColor(62, 124, 204));

    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(court.left(), midY), QPointF(court.right(), midY));
    painter.drawEllipse(QPointF(midX, midY), 3 * kScale, 3 * kScale);
    painter.setBrush(kLine);
    painter.drawEllipse(QPointF(midX, midY), 2, 2);

    const double post = 1.5 * kScale;
    const double radius = 6 * kScale;
    for (const int end : {0, 1}) {
        const bool top = end == 0;
        const double goalLine = top ? court.top() : court.bottom();
        const double inwards = top ? 1.0 : -1.0;
        // The penalty area: quarter circles of 6 m round each post joined by a straight line.
        QPainterPath area;
        area.moveTo(midX - post - radius, goalLine);
        const QRectF leftArc(midX - post - radius, goalLine - radius, 2 * radius, 2 * radius);
        const QRectF rightArc(midX + post - radius, goalLine - radius, 2 * radius, 2 * radius);
        if (top) {
            area.arcTo(leftArc, 180, 90);
            area.lineTo(midX + post, goalLine + radius);
            area.arcTo(rightArc, 270, 90);
        } else {
            area.arcTo(leftArc, 180, -90);
            area.lineTo(midX + post, goalLine - radius);
            area.arcTo(rightArc, 90, -90);
        }
        painter.setBrush(QColor(48, 104, 182));
        painter.drawPath(area);
        painter.setBrush(kLine);
        painter.drawEllipse(QPointF(midX, goalLine + inwards * 6 * kScale), 2, 2);
        painter.drawEllipse(QPointF(midX, goalLine + inwards * 10 * kScale), 2, 2);
        // The goal mouth, a heavy stroke on the goal line.
        painter.setPen(QPen(QColor(230, 40, 40), 4, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(midX - post, goalLine), QPointF(midX + post, goalLine));
        painter.setPen(linePen());
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(court);
}

// Volleyball, 18 × 9 m; the cones stand on its corners, its attack lines and the net.
void paintVolleyball(QPainter& painter)
{
    const QRectF court(59, 34, 211, 420);
    const double perMetre = court.height() / 18.0;
    const double midY = court.center().y();

    fillGround(painter, QColor(38, 112, 160));
    painter.fillRect(court, QColor(226, 132, 64));

    painter.setPen(linePen());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(court);
    for (const double attack : {midY - 3 * perMetre, midY + 3 * perMetre}) {
        painter.drawLine(QPointF(court.left(), attack), QPointF(court.right(), attack));
    }
    painter.drawLine(QPointF(court.left(), midY), QPointF(court.right(), midY));
    // The net, a little wider than the court, with its posts.
    painter.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(court.left() - perMetre, midY), QPointF(court.right() + perMetre, midY));
    painter.setBrush(QColor(240, 240, 240));
    painter.setPen(QPen(QColor(30, 30, 30), 1));
    for (const double x : {court.left() - perMetre, court.right() + perMetre}) {
        painter.drawEllipse(QPointF(x, midY), 4, 4);
    }
}

}  // namespace

void paintCourt(QPainter& painter, Court court)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (court) {
    case Court::Basket:
        paintBasketball(painter);
        break;
    case Court::Football:
        paintFootball(painter);
        break;
    case Court::FutSal:
        paintFutsal(painter);
        break;
    case Court::Voley:
        paintVolleyball(painter);
        break;
    }
    painter.restore();
}

QColor circuitInk(Court court)
{
    switch (court) {
    case Court::Basket:
        return QColor(22, 40, 112);
    case Court::Voley:
        return QColor(20, 28, 84);
    case Court::Football:
    case Court::FutSal:
        return QColor(255, 226, 40);
    }
    return Qt::black;
}

}  // namespace korvel
