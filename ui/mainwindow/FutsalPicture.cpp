#include "StartPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <initializer_list>

namespace korvel {
namespace {

constexpr QSize kSize(376, 268);
constexpr int kBoardsTop = 84;
constexpr int kCourtTop = 100;

const QColor kSkin(222, 170, 136);
const QColor kSkinShade(190, 136, 104);

// One player's colours.
struct Kit {
    QColor shirt;
    QColor trim;
    QColor shorts;
    QColor socks;
};

void stroke(QPainter& p, std::initializer_list<QPointF> points, double width, const QColor& colour)
{
    QPainterPath path;
    path.moveTo(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it) {
        path.lineTo(*it);
    }
    p.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void drawHall(QPainter& p)
{
    QLinearGradient dark(0, 0, 0, kBoardsTop);
    dark.setColorAt(0, QColor(20, 26, 44));
    dark.setColorAt(1, QColor(44, 52, 74));
    p.fillRect(QRect(0, 0, kSize.width(), kBoardsTop), dark);
    // The crowd, out of focus.
    QRandomGenerator crowd(11);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 420; ++i) {
        const QColor colour(60 + static_cast<int>(crowd.bounded(160)), 50 + static_cast<int>(crowd.bounded(120)),
                            60 + static_cast<int>(crowd.bounded(140)), 70);
        p.setBrush(colour);
        p.drawEllipse(QPointF(crowd.bounded(kSize.width()), 8 + crowd.bounded(kBoardsTop - 14)), 3.5, 4.5);
    }
    const QColor boards[] = {QColor(235, 235, 235), QColor(214, 40, 40), QColor(250, 200, 30),
                             QColor(235, 235, 235), QColor(30, 130, 70)};
    for (int i = 0; i < 8; ++i) {
        p.fillRect(QRect(i * 47, kBoardsTop, 47, kCourtTop - kBoardsTop), boards[i % 5]);
    }
}

void drawCourt(QPainter& p)
{
    QLinearGradient floor(0, kCourtTop, 0, kSize.height());
    floor.setColorAt(0, QColor(22, 84, 160));
    floor.setColorAt(1, QColor(36, 118, 204));
    p.fillRect(QRect(0, kCourtTop, kSize.width(), kSize.height() - kCourtTop), floor);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(QPointF(120, 150), 160);
    shine.setColorAt(0, QColor(255, 255, 255, 46));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, kCourtTop, kSize.width(), kSize.height() - kCourtTop), shine);
    p.setPen(QPen(QColor(240, 240, 240), 3));
    p.drawLine(QPointF(-5, 118), QPointF(380, 110));
    p.setPen(QPen(QColor(240, 240, 240), 4));
    p.drawArc(QRectF(-160, 150, 420, 190), 0, 90 * 16);
    p.restore();
}

void drawShadow(QPainter& p, const QPointF& centre, double rx, double ry)
{
    QRadialGradient shadow(centre, rx);
    shadow.setColorAt(0, QColor(0, 10, 40, 150));
    shadow.setColorAt(1, QColor(0, 10, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(centre, rx, ry);
}

void drawBall(QPainter& p, const QPointF& at, double radius)
{
    QRadialGradient leather(at - QPointF(radius / 3, radius / 3), radius * 1.3);
    leather.setColorAt(0, Qt::white);
    leather.setColorAt(1, QColor(170, 170, 180));
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(leather);
    p.drawEllipse(at, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    QPolygonF patch;
    for (int i = 0; i < 5; ++i) {
        const double angle = -M_PI / 2 + i * 2 * M_PI / 5;
        patch << at + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.36;
    }
    p.drawPolygon(patch);
    for (int i = 0; i < 5; ++i) {
        const double angle = M_PI / 2 + i * 2 * M_PI / 5;
        p.drawEllipse(at + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.86, radius * 0.2, radius * 0.16);
    }
}

// The attacker, upright, running to the right with the ball at his feet.
void drawAttacker(QPainter& p, const Kit& kit)
{
    drawShadow(p, QPointF(160, 226), 46, 8);
    // Far-side limbs first, in shade.
    stroke(p, {{166, 92}, {188, 112}, {200, 100}}, 8, kSkinShade);
    stroke(p, {{160, 140}, {176, 170}, {198, 186}}, 12, kSkinShade);
    stroke(p, {{176, 170}, {198, 186}}, 12, kit.socks.darker(120));
    stroke(p, {{198, 186}, {210, 182}}, 9, QColor(20, 20, 20));

    QPainterPath shirt;
    shirt.moveTo(140, 84);
    shirt.quadTo(156, 78, 172, 86);
    shirt.lineTo(174, 140);
    shirt.quadTo(156, 146, 142, 140);
    shirt.closeSubpath();
    p.fillPath(shirt, kit.shirt);
    p.setPen(QPen(kit.trim, 2.5));
    p.drawLine(QPointF(172, 88), QPointF(174, 138));
    p.setPen(kit.trim);
    p.drawText(QRectF(146, 96, 24, 24), Qt::AlignCenter, QStringLiteral("7"));
    p.setPen(Qt::NoPen);
    p.setBrush(kit.shorts);
    p.drawRoundedRect(QRectF(140, 136, 36, 24), 5, 5);

    stroke(p, {{158, 74}, {158, 84}}, 9, kSkinShade);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(160, 64), 11, 12);
    p.setBrush(QColor(50, 34, 24));
    p.drawChord(QRectF(148, 51, 24, 22), 20 * 16, 160 * 16);

    stroke(p, {{144, 90}, {128, 112}, {118, 128}}, 8, kSkin);
    stroke(p, {{150, 156}, {144, 190}, {138, 218}}, 13, kSkin);
    stroke(p, {{144, 192}, {138, 218}}, 13, kit.socks);
    stroke(p, {{136, 222}, {152, 224}}, 9, QColor(20, 20, 20));
}

// The defender, sliding in from the right with one leg reaching for the ball.
void drawDefender(QPainter& p, const Kit& kit)
{
    drawShadow(p, QPointF(238, 232), 70, 10);
    stroke(p, {{258, 166}, {282, 190}, {292, 214}}, 8, kSkinShade);
    stroke(p, {{244, 198}, {268, 220}, {246, 234}}, 13, kSkinShade);
    stroke(p, {{266, 221}, {246, 234}}, 13, kit.socks.darker(120));

    QPainterPath shirt;
    shirt.moveTo(250, 152);
    shirt.quadTo(266, 150, 276, 162);
    shirt.lineTo(256, 206);
    shirt.quadTo(240, 204, 230, 194);
    shirt.closeSubpath();
    p.fillPath(shirt, kit.shirt);
    p.setPen(QPen(kit.trim, 2.5));
    p.drawLine(QPointF(250, 153), QPointF(231, 193));
    p.setPen(Qt::NoPen);
    p.setBrush(kit.shorts);
    QPainterPath shorts;
    shorts.moveTo(228, 190);
    shorts.lineTo(258, 202);
    shorts.lineTo(250, 222);
    shorts.lineTo(220, 210);
    shorts.closeSubpath();
    p.drawPath(shorts);

    p.setBrush(kSkin);
    p.drawEllipse(QPointF(274, 140), 11, 12);
    p.setBrush(QColor(24, 20, 18));
    p.drawChord(QRectF(262, 127, 25, 22), 10 * 16, 170 * 16);

    stroke(p, {{268, 160}, {290, 140}, {304, 122}}, 8, kSkin);
    stroke(p, {{232, 208}, {204, 214}, {182, 222}}, 13, kSkin);
    stroke(p, {{204, 214}, {184, 221}}, 13, kit.socks);
    stroke(p, {{182, 216}, {176, 229}}, 9, QColor(20, 20, 20));
}

}  // namespace

QImage drawFutsalPicture()
{
    QImage image(kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawHall(painter);
    drawCourt(painter);
    QFont number(QStringLiteral("Arial"));
    number.setPixelSize(14);
    number.setBold(true);
    painter.setFont(number);
    drawAttacker(painter, {QColor(200, 24, 40), Qt::white, QColor(24, 24, 24), QColor(200, 24, 40)});
    drawBall(painter, QPointF(184, 222), 8);
    drawDefender(painter, {QColor(250, 214, 40), QColor(20, 110, 60), QColor(20, 110, 60), QColor(250, 250, 250)});
    painter.end();
    finishAsPhotograph(image, 6, 0.3);
    return image;
}

}  // namespace korvel
