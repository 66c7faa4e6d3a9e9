#include "CourtPicture.h"

#include "ConeLayout.h"
#include "CourtDrawing.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace korvel {
namespace {

// Cone indices in running order, starting and ending at the start cone.
std::vector<int> circuitOrder(Court court, bool forwards)
{
    const int count = coneCount(court);
    std::vector<int> order{0};
    for (int step = 1; step < count; ++step) {
        order.push_back(forwards ? step : count - step);
    }
    order.push_back(0);
    return order;
}

QPointF centreOf(Court court, int cone)
{
    return QRectF(coneRect(court, cone)).center();
}

void paintDottedCircuit(QPainter& painter, Court court)
{
    QPainterPath path;
    const std::vector<int> order = circuitOrder(court, true);
    path.moveTo(centreOf(court, order.front()));
    for (std::size_t i = 1; i < order.size(); ++i) {
        path.lineTo(centreOf(court, order[i]));
    }
    painter.setPen(QPen(circuitInk(court), 2, Qt::DotLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

void paintArrow(QPainter& painter, QPointF from, QPointF to, const QColor& ink)
{
    constexpr qreal kHeadLength = 9.0;
    constexpr qreal kHeadHalfWidth = 4.5;
    const QLineF line(from, to);
    const QPointF along = (to - from) / line.length();
    const QPointF across(-along.y(), along.x());
    const QPointF base = to - along * kHeadLength;
    painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, base);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygonF{to, base + across * kHeadHalfWidth, base - across * kHeadHalfWidth});
}

void paintCircuitArrows(QPainter& painter, Court court, bool forwards)
{
    // Each arrow stops short of the cones so that the lit cone is never covered.
    const qreal gap = coneRect(court, 0).width() / 2.0 + 4.0;
    const std::vector<int> order = circuitOrder(court, forwards);
    for (std::size_t i = 1; i < order.size(); ++i) {
        const QPointF from = centreOf(court, order[i - 1]);
        const QPointF to = centreOf(court, order[i]);
        const QLineF line(from, to);
        const QPointF along = (to - from) / line.length();
        paintArrow(painter, from + along * gap, to - along * gap, circuitInk(court));
    }
}

// Where the player stands: beside the start cone, towards the middle of the court, so that
// the cone and the rest marker on top of it leave the player in sight.
QPointF playerSpot(Court court, QPointF facing)
{
    const QPointF start = centreOf(court, 0);
    QPointF side(-facing.y(), facing.x());
    const QPointF middle(kCourtPanelSize.width() / 2.0, kCourtPanelSize.height() / 2.0);
    if (QPointF::dotProduct(side, middle - start) < 0) {
        side = -side;
    }
    return start + side * 26.0;
}

QPointF facingTowards(Court court, int cone)
{
    const QPointF from = centreOf(court, 0);
    const QPointF to = centreOf(court, cone);
    return (to - from) / QLineF(from, to).length();
}

// A player seen from above: shoulders across the way the player faces, the head, and a
// pointer in front of it.
void paintPlayer(QPainter& painter, Court court, QPointF facing, bool resting)
{
    const QPointF spot = playerSpot(court, facing);
    const QColor outline(25, 25, 25);
    painter.save();
    painter.translate(spot);
    painter.rotate(qRadiansToDegrees(std::atan2(facing.y(), facing.x())));
    // In these coordinates the player faces +x.
    painter.setPen(QPen(outline, 1.2));
    painter.setBrush(resting ? QColor(120, 160, 220) : QColor(214, 40, 40));
    painter.drawRoundedRect(QRectF(-6, -14, 12, 28), 6, 6);
    painter.setBrush(QColor(92, 60, 36));
    painter.drawEllipse(QPointF(0, 0), 6, 6);
    painter.setBrush(resting ? QColor(240, 240, 240) : QColor(255, 230, 60));
    painter.drawPolygon(QPolygonF{QPointF(20, 0), QPointF(10, -6), QPointF(10, 6)});
    painter.restore();
}

// While resting, a dashed arrow from the player shows which way the next period is run.
void paintNextWay(QPainter& painter, Court court, QPointF facing)
{
    const QPointF spot = playerSpot(court, facing);
    const QPointF from = spot + facing * 24.0;
    const QPointF to = spot + facing * 64.0;
    const QColor ink = circuitInk(court);
    painter.setPen(QPen(ink, 2, Qt::DashLine, Qt::FlatCap));
    painter.drawLine(from, to - facing * 9.0);
    paintArrow(painter, to - facing * 9.0, to, ink);
}

}  // namespace

std::vector<CourtPictureRole> courtPictureRoles(Court court)
{
    if (court == Court::Voley) {
        return {CourtPictureRole::Circuit, CourtPictureRole::RunForwards, CourtPictureRole::RestFacingForwards};
    }
    // Picture 3 is shown after an odd number of periods, before a period run backwards.
    return {CourtPictureRole::Circuit, CourtPictureRole::RunForwards, CourtPictureRole::RestFacingBackwards,
            CourtPictureRole::RunBackwards, CourtPictureRole::RestFacingForwards};
}

CourtPicture::CourtPicture(Court court, CourtPictureRole role, QWidget* parent)
    : QWidget(parent), court_(court), role_(role)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CourtPicture::paintEvent(QPaintEvent*)
{
    if (cache_.isNull()) {
        cache_ = render();
    }
    QPainter painter(this);
    painter.drawPixmap(rect(), cache_);
}

QPixmap CourtPicture::render() const
{
    QPixmap picture(kCourtPanelSize);
    QPainter painter(&picture);
    paintCourt(painter, court_);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF forwards = facingTowards(court_, 1);
    const QPointF backwards = facingTowards(court_, coneCount(court_) - 1);
    switch (role_) {
    case CourtPictureRole::Circuit:
        paintDottedCircuit(painter, court_);
        paintPlayer(painter, court_, forwards, false);
        break;
    case CourtPictureRole::RunForwards:
        paintCircuitArrows(painter, court_, true);
        break;
    case CourtPictureRole::RunBackwards:
        paintCircuitArrows(painter, court_, false);
        break;
    case CourtPictureRole::RestFacingForwards:
        paintNextWay(painter, court_, forwards);
        paintPlayer(painter, court_, forwards, true);
        break;
    case CourtPictureRole::RestFacingBackwards:
        paintNextWay(painter, court_, backwards);
        paintPlayer(painter, court_, backwards, true);
        break;
    }
    return picture;
}

}  // namespace korvel
