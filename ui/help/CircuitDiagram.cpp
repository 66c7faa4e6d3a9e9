#include "CircuitDiagram.h"

#include "CircuitLayout.h"
#include "ConeLayout.h"
#include "CourtDrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace korvel {
namespace {

constexpr double kLegendHeight = 50;
constexpr double kConeRadius = 7.5;
constexpr double kArrowHead = 8;

const QColor kConeFill(255, 122, 0);
const QColor kConeEdge(110, 46, 0);
const QColor kInk(40, 40, 40);

QFont fontOf(double pixels, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

QString metresText(double metres)
{
    return QString::number(metres, 'g', 4).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" m");
}

QColor movementColor(Movement movement)
{
    switch (movement) {
    case Movement::Forwards:
        return {22, 140, 48};
    case Movement::Sideways:
        return {30, 80, 200};
    case Movement::Backwards:
        return {208, 24, 32};
    }
    return kInk;
}

QString movementName(Movement movement)
{
    switch (movement) {
    case Movement::Forwards:
        return QStringLiteral("Frontal");
    case Movement::Sideways:
        return QStringLiteral("Lateral");
    case Movement::Backwards:
        return QStringLiteral("Atrás");
    }
    return {};
}

// A straight arrow with a filled head at `to`, edged in a darker shade so that it reads on
// light and dark grounds alike.
void drawArrow(QPainter& painter, QPointF from, QPointF to, const QColor& color)
{
    const QLineF line(from, to);
    if (line.length() <= kArrowHead) {
        return;
    }
    const QPointF unit = (to - from) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = to - unit * kArrowHead;
    const QPolygonF head({to, base + normal * (kArrowHead * 0.5), base - normal * (kArrowHead * 0.5)});

    const QColor edge = color.lightness() > 140 ? color.darker(260) : color.lighter(190);
    painter.setPen(QPen(edge, 4.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, base);
    painter.setBrush(edge);
    painter.setPen(QPen(edge, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolygon(head);
    painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, base);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(head);
    painter.setBrush(Qt::NoBrush);
}

// A cone seen from above: an orange disc with its number; the start cone wears a white ring.
void drawCone(QPainter& painter, QPointF centre, int number)
{
    if (number == 1) {
        painter.setPen(QPen(kConeEdge, 1));
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre, kConeRadius + 3, kConeRadius + 3);
    }
    painter.setPen(QPen(kConeEdge, 1.2));
    painter.setBrush(kConeFill);
    painter.drawEllipse(centre, kConeRadius, kConeRadius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(Qt::white);
    painter.setFont(fontOf(number > 9 ? 8 : 9, true));
    const QRectF box(centre.x() - kConeRadius, centre.y() - kConeRadius, 2 * kConeRadius, 2 * kConeRadius);
    painter.drawText(box, Qt::AlignCenter, QString::number(number));
}

// A small caption on a white tag centred at `centre`.
void drawTag(QPainter& painter, QPointF centre, const QString& text, const QColor& edge)
{
    painter.setFont(fontOf(9, true));
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text) + 5, metrics.height() + 1);
    const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRoundedRect(box, 3, 3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(kInk);
    painter.drawText(box, Qt::AlignCenter, text);
}

QSizeF tagSize(const QString& text)
{
    const QFontMetricsF metrics(fontOf(9, true));
    return {metrics.horizontalAdvance(text) + 5, metrics.height() + 1};
}

// A dimension line from a court line to a cone, its length written on it.
void drawPositionMark(QPainter& painter, QPointF from, QPointF coneCentre, double metres)
{
    const QPointF unit = (coneCentre - from) / QLineF(from, coneCentre).length();
    const QPointF normal(-unit.y(), unit.x());
    const QPointF to = coneCentre - unit * (kConeRadius + 1);
    painter.setPen(QPen(kInk, 1.2));
    painter.drawLine(from, to);
    for (const QPointF& end : {from, to}) {
        painter.drawLine(end - normal * 3.5, end + normal * 3.5);
    }
    drawTag(painter, (from + to) / 2, metresText(metres), kInk);
}

// Whether a leg is long enough to show its arrow on both sides of its distance caption.
bool captionFitsOnLeg(QPointF from, QPointF to, const QString& caption)
{
    const double length = QLineF(from, to).length();
    const QPointF unit = (to - from) / length;
    const QSizeF size = tagSize(caption);
    const double extentAlong = std::abs(unit.x()) * size.width() + std::abs(unit.y()) * size.height();
    return length - 2 * (kConeRadius + 3) - extentAlong >= 24;
}

// A caption beside a leg, on the side away from the middle of the circuit.
QPointF besideLeg(QPointF from, QPointF to, const QString& caption, QPointF circuitMiddle)
{
    const QPointF unit = (to - from) / QLineF(from, to).length();
    const QPointF middle = (from + to) / 2;
    QPointF normal(-unit.y(), unit.x());
    if (QPointF::dotProduct(normal, middle - circuitMiddle) < 0) {
        normal = -normal;
    }
    const QSizeF size = tagSize(caption);
    const double extentAcross = std::abs(normal.x()) * size.width() + std::abs(normal.y()) * size.height();
    return middle + normal * (extentAcross / 2 + 3);
}

QColor legColor(const CircuitLayout& layout, Court court, std::size_t leg)
{
    return layout.movements.empty() ? circuitInk(court) : movementColor(layout.movements[leg]);
}

void drawLegend(QPainter& painter, const QRectF& area, const CircuitLayout& layout, Court court)
{
    painter.setPen(QPen(QColor(200, 200, 200), 1));
    painter.drawLine(area.topLeft() + QPointF(6, 0), area.topRight() - QPointF(6, 0));
    const double firstRow = area.top() + 15;
    const double secondRow = area.top() + 36;
    const QFont font = fontOf(11);
    const QFontMetricsF metrics(font);
    const auto writeAt = [&](double x, double y, const QString& text) {
        painter.setFont(font);
        painter.setPen(kInk);
        painter.drawText(QPointF(x, y + metrics.ascent() / 2 - 1), text);
        return x + metrics.horizontalAdvance(text);
    };

    if (!layout.movements.empty()) {
        double x = area.left() + 10;
        for (const Movement movement : {Movement::Forwards, Movement::Sideways, Movement::Backwards}) {
            drawArrow(painter, QPointF(x, firstRow), QPointF(x + 26, firstRow), movementColor(movement));
            x = writeAt(x + 31, firstRow, movementName(movement)) + 18;
        }
        drawCone(painter, QPointF(area.left() + 20, secondRow), 1);
        writeAt(area.left() + 34, secondRow, QStringLiteral("Cono de salida"));
        return;
    }
    drawCone(painter, QPointF(area.left() + 20, firstRow), 1);
    writeAt(area.left() + 34, firstRow, QStringLiteral("Cono de salida"));
    const double arrowLeft = area.left() + 132;
    drawArrow(painter, QPointF(arrowLeft, firstRow), QPointF(arrowLeft + 26, firstRow), circuitInk(court));
    writeAt(arrowLeft + 32, firstRow, QStringLiteral("Periodos impares"));
    writeAt(area.left() + 10, secondRow, QStringLiteral("Los periodos pares, en sentido contrario."));
}

}  // namespace

QImage circuitDiagram(Court court, QSize size, qreal devicePixelRatio)
{
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);

    const CircuitLayout& layout = circuitLayout(court);
    const QRectF courtArea(0, 0, size.width(), size.height() - kLegendHeight);
    const QRectF view(QPointF(0, 0), kCourtPanelSize);
    const double scale = std::min(courtArea.width() / view.width(), courtArea.height() / view.height());
    const QPointF offset = courtArea.center() - view.center() * scale;
    const QTransform toCanvas = QTransform::fromTranslate(offset.x(), offset.y()).scale(scale, scale);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.save();
    painter.setTransform(toCanvas);
    painter.setClipRect(view);
    paintCourt(painter, court);
    painter.restore();

    std::vector<QPointF> cones;
    for (const QPointF& cone : layout.cones) {
        cones.push_back(toCanvas.map(cone));
    }
    const std::size_t count = cones.size();
    const double gap = kConeRadius + 3;
    for (std::size_t leg = 0; leg < count; ++leg) {
        const QPointF from = cones[leg];
        const QPointF to = cones[(leg + 1) % count];
        const QPointF unit = (to - from) / QLineF(from, to).length();
        drawArrow(painter, from + unit * gap, to - unit * gap, legColor(layout, court, leg));
    }
    // The captions go all on the legs or, if one leg is too short for that, all beside them.
    const auto legEnd = [&](std::size_t leg) { return cones[(leg + 1) % count]; };
    bool onLegs = true;
    QPointF circuitMiddle;
    for (std::size_t leg = 0; leg < layout.legMetres.size(); ++leg) {
        onLegs = onLegs && captionFitsOnLeg(cones[leg], legEnd(leg), metresText(layout.legMetres[leg]));
        circuitMiddle += cones[leg] / static_cast<double>(count);
    }
    for (std::size_t leg = 0; leg < layout.legMetres.size(); ++leg) {
        const QString caption = metresText(layout.legMetres[leg]);
        const QPointF centre = onLegs ? (cones[leg] + legEnd(leg)) / 2
                                      : besideLeg(cones[leg], legEnd(leg), caption, circuitMiddle);
        drawTag(painter, centre, caption, kInk);
    }
    for (const PositionMark& mark : layout.marks) {
        drawPositionMark(painter, toCanvas.map(mark.from), toCanvas.map(mark.to), mark.metres);
    }
    for (std::size_t i = 0; i < count; ++i) {
        drawCone(painter, cones[i], static_cast<int>(i + 1));
    }
    drawLegend(painter, QRectF(0, size.height() - kLegendHeight, size.width(), kLegendHeight), layout, court);
    return image;
}

}  // namespace korvel
