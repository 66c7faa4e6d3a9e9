#include "StartPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <vector>

namespace korvel {
namespace {

constexpr QSize kSize(904, 599);
constexpr double kHorizon = 232;
const QPointF kVanishing(430, kHorizon);

QColor grey(int level, int alpha = 255)
{
    return QColor(level, level, level, alpha);
}

// A joint of a limb: where it is and how thick the limb is there.
struct Joint {
    QPointF at;
    double width;
};

// A smooth outline around a chain of joints.
QPainterPath limbOutline(const std::vector<Joint>& joints)
{
    std::vector<QPointF> left;
    std::vector<QPointF> right;
    for (std::size_t i = 0; i < joints.size(); ++i) {
        const QPointF before = joints[i == 0 ? 0 : i - 1].at;
        const QPointF after = joints[i + 1 == joints.size() ? i : i + 1].at;
        const QPointF along = after - before;
        const double length = std::hypot(along.x(), along.y());
        const QPointF normal(-along.y() / length, along.x() / length);
        left.push_back(joints[i].at + normal * (joints[i].width / 2));
        right.push_back(joints[i].at - normal * (joints[i].width / 2));
    }
    QPainterPath path(left.front());
    const auto smoothThrough = [&path](const std::vector<QPointF>& points) {
        for (std::size_t i = 1; i + 1 < points.size(); ++i) {
            path.quadTo(points[i], (points[i] + points[i + 1]) / 2);
        }
        path.lineTo(points.back());
    };
    smoothThrough(left);
    std::vector<QPointF> back(right.rbegin(), right.rend());
    path.quadTo(joints.back().at + (joints.back().at - joints[joints.size() - 2].at) * 0.15, back.front());
    smoothThrough(back);
    path.closeSubpath();
    return path;
}

void drawHall(QPainter& p)
{
    QLinearGradient wall(0, 0, 0, kHorizon);
    wall.setColorAt(0, grey(214));
    wall.setColorAt(1, grey(184));
    p.fillRect(QRectF(0, 0, kSize.width(), kHorizon), wall);

    // High windows letting in the light that washes the picture out.
    for (int x = 40; x < kSize.width(); x += 150) {
        p.fillRect(QRectF(x, 24, 118, 64), grey(236));
        p.fillRect(QRectF(x + 57, 24, 4, 64), grey(196));
    }
    p.setPen(QPen(grey(172), 2));
    for (int x = 0; x < kSize.width(); x += 113) {
        p.drawLine(QPointF(x, 100), QPointF(x, kHorizon - 44));
    }
    p.fillRect(QRectF(0, kHorizon - 44, kSize.width(), 44), grey(128));
    p.fillRect(QRectF(0, kHorizon - 46, kSize.width(), 3), grey(150));
}

void drawFloor(QPainter& p)
{
    const QRectF floor(0, kHorizon, kSize.width(), kSize.height() - kHorizon);
    QLinearGradient shine(0, kHorizon, 0, kSize.height());
    shine.setColorAt(0, grey(150));
    shine.setColorAt(0.35, grey(176));
    shine.setColorAt(1, grey(190));
    p.fillRect(floor, shine);

    p.save();
    p.setClipRect(floor);
    p.setRenderHint(QPainter::Antialiasing);
    // The windows mirrored in the varnish.
    for (int x = 40; x < kSize.width(); x += 150) {
        QLinearGradient glare(0, kHorizon, 0, kHorizon + 150);
        glare.setColorAt(0, grey(235, 120));
        glare.setColorAt(1, grey(235, 0));
        p.fillRect(QRectF(x + 10, kHorizon, 100, 150), glare);
    }
    // Boards running away towards the vanishing point.
    p.setPen(QPen(grey(120, 90), 1.2));
    for (double x = -2400; x < 3400; x += 46) {
        p.drawLine(kVanishing, QPointF(x, kSize.height()));
    }
    // Two painted court lines crossing the floor.
    p.setPen(QPen(grey(226), 9, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-20, 404), QPointF(930, 318));
    p.setPen(QPen(grey(226), 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(-20, 268), QPointF(930, 252));
    p.restore();
}

void drawCone(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = 300;

    QRadialGradient shadow(QPointF(cx + 70, 486), 130);
    shadow.setColorAt(0, grey(40, 150));
    shadow.setColorAt(1, grey(40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(cx + 70, 486), 140, 26);

    // The square foot of the cone seen from slightly above.
    QPolygonF base;
    base << QPointF(cx - 98, 470) << QPointF(cx - 40, 446) << QPointF(cx + 96, 448) << QPointF(cx + 70, 476);
    p.setBrush(QColor(204, 84, 14));
    p.drawPolygon(base);
    QPolygonF baseEdge;
    baseEdge << QPointF(cx - 98, 470) << QPointF(cx + 70, 476) << QPointF(cx + 70, 486) << QPointF(cx - 98, 480);
    p.setBrush(QColor(150, 56, 10));
    p.drawPolygon(baseEdge);

    QPainterPath body;
    body.moveTo(cx - 64, 462);
    body.lineTo(cx - 13, 262);
    body.quadTo(cx, 252, cx + 13, 262);
    body.lineTo(cx + 64, 462);
    body.quadTo(cx, 474, cx - 64, 462);
    QLinearGradient round(cx - 64, 0, cx + 64, 0);
    round.setColorAt(0, QColor(214, 92, 16));
    round.setColorAt(0.32, QColor(255, 150, 52));
    round.setColorAt(0.7, QColor(236, 104, 18));
    round.setColorAt(1, QColor(168, 62, 8));
    p.setBrush(round);
    p.drawPath(body);

    // The reflective band round its middle.
    p.setClipPath(body);
    QLinearGradient band(cx - 64, 0, cx + 64, 0);
    band.setColorAt(0, grey(205));
    band.setColorAt(0.32, grey(250));
    band.setColorAt(1, grey(170));
    p.setBrush(band);
    QPainterPath stripe;
    stripe.moveTo(cx - 60, 332);
    stripe.quadTo(cx, 344, cx + 60, 332);
    stripe.lineTo(cx + 60, 366);
    stripe.quadTo(cx, 378, cx - 60, 366);
    stripe.closeSubpath();
    p.drawPath(stripe);
    p.restore();
}

// A shoe whose sole runs from heel to toe, its upper on the side of the ankle.
void drawShoe(QPainter& p, const QPointF& heel, const QPointF& toe, const QPointF& ankle, double height)
{
    const QPointF along = toe - heel;
    const double length = std::hypot(along.x(), along.y());
    QPointF up = QPointF(along.y(), -along.x()) / length;
    if (QPointF::dotProduct(up, ankle - heel) < 0) {
        up = -up;
    }
    QPainterPath shoe(heel);
    shoe.cubicTo(heel + up * height * 1.1, heel + along * 0.45 + up * height * 1.25, heel + along * 0.8 + up * height * 0.6);
    shoe.quadTo(toe + up * height * 0.3, toe);
    shoe.lineTo(heel);
    QLinearGradient leather(heel + up * height, heel);
    leather.setColorAt(0, grey(92));
    leather.setColorAt(1, grey(52));
    p.setPen(Qt::NoPen);
    p.setBrush(leather);
    p.drawPath(shoe);
    p.setPen(QPen(grey(230), height * 0.22, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(heel + up * height * 0.08, toe - along * 0.04);
    p.setPen(QPen(grey(200), 2));
    for (int lace = 0; lace < 4; ++lace) {
        const QPointF at = heel + along * (0.42 + lace * 0.08) + up * height * (0.95 - lace * 0.12);
        p.drawLine(at - along * 0.03, at + along * 0.03);
    }
}

// A leg from hip to ankle, a sock over its lower part and a shoe under it.
void drawLeg(QPainter& p, const std::vector<Joint>& leg, std::size_t sockFrom, const QPointF& heel,
             const QPointF& toe, int alpha)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(alpha / 255.0);
    p.setPen(Qt::NoPen);
    const QRectF extent = limbOutline(leg).boundingRect();
    QLinearGradient skin(extent.left(), 0, extent.right(), 0);
    skin.setColorAt(0, grey(206));
    skin.setColorAt(0.45, grey(184));
    skin.setColorAt(1, grey(128));
    p.setBrush(skin);
    p.drawPath(limbOutline(leg));

    std::vector<Joint> sock(leg.begin() + static_cast<std::ptrdiff_t>(sockFrom), leg.end());
    for (Joint& j : sock) {
        j.width += 4;
    }
    QLinearGradient cotton(extent.left(), 0, extent.right(), 0);
    cotton.setColorAt(0, grey(240));
    cotton.setColorAt(1, grey(176));
    p.setBrush(cotton);
    p.drawPath(limbOutline(sock));
    drawShoe(p, heel, toe, leg.back().at, 34);
    p.restore();
}

void drawRunner(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shadow(QPointF(590, 532), 120);
    shadow.setColorAt(0, grey(50, 140));
    shadow.setColorAt(1, grey(50, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(600, 532), 130, 22);

    // The trailing leg, kicked up behind, blurred by its speed.
    const std::vector<Joint> trailing{{{722, 60}, 104}, {{742, 170}, 84}, {{770, 262}, 62},
                                      {{812, 290}, 72}, {{852, 312}, 50}, {{872, 324}, 38}};
    for (int ghost = 3; ghost >= 1; --ghost) {
        std::vector<Joint> moved = trailing;
        for (Joint& j : moved) {
            j.at += QPointF(9.0 * ghost, -2.0 * ghost);
        }
        drawLeg(p, moved, 4, QPointF(852, 352) + QPointF(9.0 * ghost, -2.0 * ghost),
                QPointF(916, 300) + QPointF(9.0 * ghost, -2.0 * ghost), 45);
    }
    drawLeg(p, trailing, 4, QPointF(852, 352), QPointF(916, 300), 255);

    // The planted leg, passing the cone.
    const std::vector<Joint> planted{{{612, 60}, 112}, {{598, 180}, 90}, {{588, 296}, 64},
                                     {{594, 370}, 74}, {{600, 440}, 48}, {{604, 488}, 40}};
    drawLeg(p, planted, 4, QPointF(632, 526), QPointF(524, 528), 255);

    QPainterPath shorts;
    shorts.moveTo(520, -10);
    shorts.lineTo(812, -10);
    shorts.cubicTo(830, 40, 832, 90, 806, 124);
    shorts.quadTo(748, 140, 690, 118);
    shorts.quadTo(664, 108, 650, 126);
    shorts.quadTo(590, 142, 540, 122);
    shorts.cubicTo(522, 80, 514, 30, 520, -10);
    QLinearGradient cloth(520, 0, 830, 0);
    cloth.setColorAt(0, grey(96));
    cloth.setColorAt(1, grey(58));
    p.setBrush(cloth);
    p.drawPath(shorts);
    p.setPen(QPen(grey(122), 3));
    p.drawLine(QPointF(664, 20), QPointF(666, 100));
    p.setPen(QPen(grey(170), 6));
    p.drawLine(QPointF(808, 0), QPointF(818, 108));
}

}  // namespace

QImage drawConePicture()
{
    QImage image(kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    drawHall(painter);
    drawFloor(painter);
    drawRunner(painter);
    drawCone(painter);
    painter.end();
    finishAsPhotograph(image, 9, 0.38);
    return image;
}

}  // namespace korvel
