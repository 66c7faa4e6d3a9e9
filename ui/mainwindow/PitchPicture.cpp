#include "StartPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

namespace korvel {
namespace {

constexpr QSize kSize(376, 268);
constexpr int kBandHeight = 62;
constexpr int kSquare = 11;
constexpr double kPitchLength = 105;
constexpr double kPitchWidth = 68;

// A band of squares in many greens across the top of the picture.
void drawSquares(QPainter& p)
{
    QRandomGenerator shades(7);
    for (int y = 0; y < kBandHeight; y += kSquare) {
        for (int x = 0; x < kSize.width(); x += kSquare) {
            const int fade = 40 * y / kBandHeight;
            const QColor green(40 + static_cast<int>(shades.bounded(50)) + fade,
                               120 + static_cast<int>(shades.bounded(90)),
                               40 + static_cast<int>(shades.bounded(40)) + fade / 2);
            p.fillRect(QRect(x, y, kSquare - 1, kSquare - 1), green);
        }
    }
}

// Pitch metres (length across the picture, width into it) onto the picture, in perspective.
QTransform pitchView()
{
    QPolygonF pitch;
    pitch << QPointF(0, 0) << QPointF(kPitchLength, 0) << QPointF(kPitchLength, kPitchWidth) << QPointF(0, kPitchWidth);
    QPolygonF seen;
    seen << QPointF(58, 84) << QPointF(318, 84) << QPointF(420, 252) << QPointF(-44, 252);
    QTransform view;
    QTransform::quadToQuad(pitch, seen, view);
    return view;
}

void drawGrass(QPainter& p)
{
    QLinearGradient ground(0, kBandHeight, 0, kSize.height());
    ground.setColorAt(0, QColor(52, 122, 50));
    ground.setColorAt(1, QColor(66, 156, 58));
    p.fillRect(QRect(0, kBandHeight, kSize.width(), kSize.height() - kBandHeight), ground);

    p.save();
    p.setTransform(pitchView());
    p.setPen(Qt::NoPen);
    for (int stripe = 0; stripe < 12; stripe += 2) {
        p.fillRect(QRectF(stripe * kPitchLength / 12 - 10, -6, kPitchLength / 12, kPitchWidth + 12),
                   QColor(255, 255, 255, 16));
    }
    p.restore();
}

void drawLines(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(pitchView());
    QPen chalk(QColor(245, 248, 240));
    chalk.setCosmetic(true);
    chalk.setWidthF(1.6);
    p.setPen(chalk);
    p.setBrush(Qt::NoBrush);

    const double mid = kPitchWidth / 2;
    p.drawRect(QRectF(0, 0, kPitchLength, kPitchWidth));
    p.drawLine(QPointF(kPitchLength / 2, 0), QPointF(kPitchLength / 2, kPitchWidth));
    p.drawEllipse(QPointF(kPitchLength / 2, mid), 9.15, 9.15);
    for (double end : {0.0, kPitchLength}) {
        const double inward = end == 0.0 ? 1.0 : -1.0;
        p.drawRect(QRectF(QPointF(end, mid - 20.16), QPointF(end + inward * 16.5, mid + 20.16)).normalized());
        p.drawRect(QRectF(QPointF(end, mid - 9.16), QPointF(end + inward * 5.5, mid + 9.16)).normalized());
        p.drawRect(QRectF(QPointF(end, mid - 3.66), QPointF(end - inward * 2.0, mid + 3.66)).normalized());
        const QPointF spot(end + inward * 11.0, mid);
        p.drawEllipse(spot, 0.25, 0.25);
        QPainterPath arc;
        const QRectF around(spot.x() - 9.15, mid - 9.15, 18.3, 18.3);
        arc.arcMoveTo(around, inward > 0 ? -53 : 127);
        arc.arcTo(around, inward > 0 ? -53 : 127, 106);
        p.drawPath(arc);
        // Corner arcs, the quarter inside the pitch (angles counted counter-clockwise on screen).
        for (double side : {0.0, kPitchWidth}) {
            const int start = end == 0.0 ? (side == 0.0 ? -90 : 0) : (side == 0.0 ? 180 : 90);
            p.drawArc(QRectF(end - 1.0, side - 1.0, 2.0, 2.0), start * 16, 90 * 16);
        }
    }
    p.drawEllipse(QPointF(kPitchLength / 2, mid), 0.3, 0.3);
    p.restore();
}

}  // namespace

QImage drawPitchPicture()
{
    QImage image(kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    drawSquares(painter);
    drawGrass(painter);
    drawLines(painter);
    return image;
}

}  // namespace korvel
