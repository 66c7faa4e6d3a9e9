#include "ProgressGauge.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace korvel {
namespace {

const QColor kGround(239, 239, 239);
const QColor kFrame(160, 160, 160);

}  // namespace

ProgressGauge::ProgressGauge(QWidget* parent) : QWidget(parent) {}

void ProgressGauge::setMaximum(int maximum)
{
    maximum_ = maximum;
    update();
}

void ProgressGauge::setPosition(int position)
{
    position_ = position;
    update();
}

void ProgressGauge::setPrefix(const QString& prefix)
{
    prefix_ = prefix;
    update();
}

void ProgressGauge::setSuffix(const QString& suffix)
{
    suffix_ = suffix;
    update();
}

void ProgressGauge::setColors(const GaugeColors& colors)
{
    colors_ = colors;
    update();
}

QString ProgressGauge::text() const
{
    return prefix_ + QString::number(position_) + suffix_;
}

void ProgressGauge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(rect(), kGround);

    const int filled = maximum_ > 0 ? inner.width() * std::clamp(position_, 0, maximum_) / maximum_ : 0;
    if (filled > 0) {
        // The shading spans the whole gauge, so the bar turns stronger as it grows.
        QLinearGradient shading(inner.topLeft(), inner.topRight());
        shading.setColorAt(0.0, colors_.start);
        shading.setColorAt(0.5, colors_.middle);
        shading.setColorAt(1.0, colors_.end);
        painter.fillRect(QRect(inner.topLeft(), QSize(filled, inner.height())), shading);
    }
    painter.setPen(kFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace korvel
