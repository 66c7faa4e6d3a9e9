#include "CourtSurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace korvel {
namespace {

// Surfaces in court-panel pixels, placed round the cones of each circuit. Only the volleyball
// court is to scale; the others keep their proportions loosely, as on the live court.
constexpr QRectF kPitch(44, 8, 254, 472);
constexpr double kPitchPxPerMetre = 254.0 / 68.0;
constexpr QRectF kBasketCourt(46, 26, 240, 436);
constexpr double kBasketPxPerMetre = 240.0 / 15.0;
constexpr QRectF kFutsalCourt(36, 40, 264, 410);
constexpr double kFutsalPxPerMetre = 264.0 / 20.0;
constexpr QRectF kVolleyCourt(59, 34, 211, 420);
constexpr double kVolleyPxPerMetre = 211.0 / 9.0;

const QColor kLineColor(Qt::white);

QPen linePen(double width)
{
    QPen pen(kLineColor, width);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QRectF circleAround(QPointF centre, double radius)
{
    return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

double degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

// Qt measures arcs in sixteenths of a degree, counter-clockwise from three o'clock.
void drawArc(QPainter& painter, QPointF centre, double radius, double startDegrees, double spanDegrees)
{
    painter.drawArc(circleAround(centre, radius), static_cast<int>(std::lround(startDegrees * 16)),
                    static_cast<int>(std::lround(spanDegrees * 16)));
}

void fillRounded(QPainter& painter, const QRectF& rect, const QColor& color)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(rect, 6, 6);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

CourtSurface::CourtSurface(Court court) : court_(court) {}

QRectF CourtSurface::view() const
{
    switch (court_) {
    case Court::Football:
        return kPitch.adjusted(-12, -12, 12, 12);
    case Court::Basket:
        return kBasketCourt.adjusted(-12, -12, 12, 12);
    case Court::FutSal:
        return kFutsalCourt.adjusted(-14, -16, 14, 16);
    case Court::Voley:
        return kVolleyCourt.adjusted(-26, -22, 26, 22);
    }
    return {};
}

QColor CourtSurface::pathColor() const
{
    return court_ == Court::Basket ? QColor(24, 52, 120) : QColor(255, 226, 64);
}

void CourtSurface::paint(QPainter& painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (court_) {
    case Court::Football:
        paintFootballPitch(painter);
        break;
    case Court::Basket:
        paintBasketballCourt(painter);
        break;
    case Court::FutSal:
        paintFutsalCourt(painter);
        break;
    case Court::Voley:
        paintVolleyballCourt(painter);
        break;
    }
    painter.restore();
}

void CourtSurface::paintFootballPitch(QPainter& painter) const
{
    const QRectF ground = view();
    fillRounded(painter, ground, QColor(58, 140, 68));
    // Mown stripes across the pitch.
    painter.save();
    painter.setClipRect(ground);
    const double stripe = kPitch.height() / 12;
    for (int i = 0; i < 14; i += 2) {
        painter.fillRect(QRectF(ground.left(), kPitch.top() + i * stripe, ground.width(), stripe),
                         QColor(68, 156, 78));
    }
    painter.restore();

    const double m = kPitchPxPerMetre;
    const QPointF centre = kPitch.center();
    painter.setPen(linePen(1.8));
    painter.drawRect(kPitch);
    painter.drawLine(QPointF(kPitch.left(), centre.y()), QPointF(kPitch.right(), centre.y()));
    painter.drawEllipse(circleAround(centre, 9.15 * m));
    painter.setBrush(kLineColor);
    painter.drawEllipse(circleAround(centre, 2));
    painter.setBrush(Qt::NoBrush);

    // Both halves are the same, mirrored: `inward` points from the goal line into the pitch.
    for (const double inward : {1.0, -1.0}) {
        const double goalLine = inward > 0 ? kPitch.top() : kPitch.bottom();
        const auto box = [&](double width, double depth) {
            const double near = goalLine;
            const double far = goalLine + inward * depth;
            return QRectF(QPointF(centre.x() - width / 2, std::min(near, far)),
                          QPointF(centre.x() + width / 2, std::max(near, far)));
        };
        painter.setPen(linePen(1.8));
        painter.drawRect(box(40.32 * m, 16.5 * m));
        painter.drawRect(box(18.32 * m, 5.5 * m));
        const QPointF spot(centre.x(), goalLine + inward * 11 * m);
        // The arc is the part of the circle round the penalty spot outside the penalty area.
        const double halfAngle = degrees(std::acos(5.5 / 9.15));
        drawArc(painter, spot, 9.15 * m, (inward > 0 ? 270 : 90) - halfAngle, 2 * halfAngle);
        painter.setBrush(kLineColor);
        painter.drawEllipse(circleAround(spot, 1.6));
        painter.setBrush(QColor(235, 235, 235));
        painter.setPen(linePen(1.2));
        painter.drawRect(box(7.32 * m, -2.2 * m));
        painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(linePen(1.4));
    drawArc(painter, kPitch.topLeft(), m, 270, 90);
    drawArc(painter, kPitch.topRight(), m, 180, 90);
    drawArc(painter, kPitch.bottomLeft(), m, 0, 90);
    drawArc(painter, kPitch.bottomRight(), m, 90, 90);
}

void CourtSurface::paintBasketballCourt(QPainter& painter) const
{
    fillRounded(painter, view(), QColor(150, 84, 40));
    // Parquet: the floor boards run along the court.
    painter.fillRect(kBasketCourt, QColor(226, 181, 122));
    painter.setPen(QPen(QColor(212, 166, 108), 1));
    for (double x = kBasketCourt.left() + 8; x < kBasketCourt.right(); x += 8) {
        painter.drawLine(QPointF(x, kBasketCourt.top()), QPointF(x, kBasketCourt.bottom()));
    }

    const double m = kBasketPxPerMetre;
    const QPointF centre = kBasketCourt.center();
    const QColor paint(214, 118, 44);
    painter.setPen(linePen(1.8));
    painter.setBrush(paint);
    painter.drawEllipse(circleAround(centre, 1.8 * m));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(kBasketCourt);
    painter.drawLine(QPointF(kBasketCourt.left(), centre.y()), QPointF(kBasketCourt.right(), centre.y()));

    for (const double inward : {1.0, -1.0}) {
        const double baseline = inward > 0 ? kBasketCourt.top() : kBasketCourt.bottom();
        const double freeThrowLine = baseline + inward * 5.8 * m;
        const QRectF key(QPointF(centre.x() - 2.45 * m, std::min(baseline, freeThrowLine)),
                         QPointF(centre.x() + 2.45 * m, std::max(baseline, freeThrowLine)));
        painter.setPen(linePen(1.8));
        painter.setBrush(paint);
        painter.drawRect(key);
        painter.setBrush(Qt::NoBrush);

        // Free-throw circle: solid outside the key, dashed inside it.
        const QPointF freeThrow(centre.x(), freeThrowLine);
        drawArc(painter, freeThrow, 1.8 * m, inward > 0 ? 180 : 0, 180);
        QPen dashed = linePen(1.4);
        dashed.setDashPattern({3, 3});
        painter.setPen(dashed);
        drawArc(painter, freeThrow, 1.8 * m, inward > 0 ? 0 : 180, 180);

        // Three-point line: straight 0,9 m in from the side lines, then an arc of 6,75 m round
        // the basket.
        const QPointF basket(centre.x(), baseline + inward * 1.575 * m);
        const double arcRadius = 6.75 * m;
        const double sideOffset = 7.5 * m - 0.9 * m;
        const double straight = std::sqrt(arcRadius * arcRadius - sideOffset * sideOffset);
        const double joinY = basket.y() + inward * straight;
        painter.setPen(linePen(1.8));
        painter.drawLine(QPointF(centre.x() - sideOffset, baseline), QPointF(centre.x() - sideOffset, joinY));
        painter.drawLine(QPointF(centre.x() + sideOffset, baseline), QPointF(centre.x() + sideOffset, joinY));
        const double joinAngle = degrees(std::atan2(straight, sideOffset));
        drawArc(painter, basket, arcRadius, inward > 0 ? -joinAngle : joinAngle,
                inward > 0 ? -(180 - 2 * joinAngle) : 180 - 2 * joinAngle);
        drawArc(painter, basket, 1.25 * m, inward > 0 ? 180 : 0, 180);

        // Backboard and ring.
        const double board = baseline + inward * 1.2 * m;
        painter.setPen(QPen(QColor(40, 40, 40), 2.2));
        painter.drawLine(QPointF(centre.x() - 0.9 * m, board), QPointF(centre.x() + 0.9 * m, board));
        painter.setPen(QPen(QColor(230, 90, 20), 1.6));
        painter.drawEllipse(circleAround(basket, 0.3 * m));
    }
}

void CourtSurface::paintFutsalCourt(QPainter& painter) const
{
    fillRounded(painter, view(), QColor(30, 74, 136));
    painter.fillRect(kFutsalCourt, QColor(46, 112, 190));

    const double m = kFutsalPxPerMetre;
    const QPointF centre = kFutsalCourt.center();
    painter.setPen(linePen(1.8));
    painter.drawRect(kFutsalCourt);
    painter.drawLine(QPointF(kFutsalCourt.left(), centre.y()), QPointF(kFutsalCourt.right(), centre.y()));
    painter.drawEllipse(circleAround(centre, 3 * m));
    painter.setBrush(kLineColor);
    painter.drawEllipse(circleAround(centre, 2));
    painter.setBrush(Qt::NoBrush);

    for (const double inward : {1.0, -1.0}) {
        const double goalLine = inward > 0 ? kFutsalCourt.top() : kFutsalCourt.bottom();
        // Penalty area: quarter circles of 6 m round each post, joined by a straight line.
        const QPointF leftPost(centre.x() - 1.5 * m, goalLine);
        const QPointF rightPost(centre.x() + 1.5 * m, goalLine);
        painter.setPen(linePen(1.8));
        drawArc(painter, leftPost, 6 * m, inward > 0 ? 180 : 90, 90);
        drawArc(painter, rightPost, 6 * m, inward > 0 ? 270 : 0, 90);
        const double areaEdge = goalLine + inward * 6 * m;
        painter.drawLine(QPointF(leftPost.x(), areaEdge), QPointF(rightPost.x(), areaEdge));
        painter.setBrush(kLineColor);
        painter.drawEllipse(circleAround(QPointF(centre.x(), areaEdge), 1.6));
        painter.drawEllipse(circleAround(QPointF(centre.x(), goalLine + inward * 10 * m), 1.6));
        painter.setBrush(QColor(235, 235, 235));
        painter.setPen(linePen(1.2));
        const double back = goalLine - inward * 1.0 * m;
        painter.drawRect(QRectF(QPointF(leftPost.x(), std::min(goalLine, back)),
                                QPointF(rightPost.x(), std::max(goalLine, back))));
        painter.setBrush(Qt::NoBrush);
    }
}

void CourtSurface::paintVolleyballCourt(QPainter& painter) const
{
    fillRounded(painter, view(), QColor(58, 118, 186));
    painter.fillRect(kVolleyCourt, QColor(236, 152, 84));

    const double m = kVolleyPxPerMetre;
    const double centreLine = kVolleyCourt.center().y();
    painter.setPen(linePen(2.2));
    painter.drawRect(kVolleyCourt);
    painter.drawLine(QPointF(kVolleyCourt.left(), centreLine), QPointF(kVolleyCourt.right(), centreLine));
    for (const double side : {-1.0, 1.0}) {
        const double attackLine = centreLine + side * 3 * m;
        painter.drawLine(QPointF(kVolleyCourt.left(), attackLine), QPointF(kVolleyCourt.right(), attackLine));
    }
}

}  // namespace korvel
