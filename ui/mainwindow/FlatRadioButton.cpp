#include "FlatRadioButton.h"

#include <QPainter>

namespace korvel {
namespace {

constexpr int kMarkSize = 13;
constexpr int kDotSize = 5;
constexpr int kCaptionGap = 6;

}  // namespace

FlatRadioButton::FlatRadioButton(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void FlatRadioButton::setCaptionColor(const QColor& color)
{
    caption_ = color;
    update();
}

void FlatRadioButton::setMarkColors(const QColor& border, const QColor& dot, const QColor& pressed)
{
    border_ = border;
    dot_ = dot;
    pressed_ = pressed;
    update();
}

QSize FlatRadioButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {kMarkSize + kCaptionGap + metrics.horizontalAdvance(text()) + 2,
            std::max(kMarkSize, metrics.height()) + 2};
}

bool FlatRadioButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);  // the caption is part of the button, as with a check box
}

void FlatRadioButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF mark(0.5, (height() - kMarkSize) / 2 + 0.5, kMarkSize - 1, kMarkSize - 1);
    painter.setPen(border_);
    painter.setBrush(isDown() ? pressed_ : QColor(Qt::white));
    painter.drawEllipse(mark);
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot_);
        const double inset = (kMarkSize - 1 - kDotSize) / 2.0;
        painter.drawEllipse(mark.adjusted(inset, inset, -inset, -inset));
    }
    painter.setPen(isEnabled() ? caption_ : caption_.lighter(150));
    painter.setFont(font());
    const QRect captionBox(kMarkSize + kCaptionGap, 0, width() - kMarkSize - kCaptionGap, height());
    painter.drawText(captionBox, Qt::AlignLeft | Qt::AlignVCenter, text());
}

}  // namespace korvel
