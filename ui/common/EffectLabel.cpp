#include "EffectLabel.h"

#include <QPainter>

namespace korvel {

EffectLabel::EffectLabel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void EffectLabel::setText(const QString& text)
{
    text_ = text;
    update();
}

void EffectLabel::setEffect(Effect effect)
{
    effect_ = effect;
    update();
}

void EffectLabel::setTextColor(const QColor& color)
{
    color_ = color;
    update();
}

void EffectLabel::setEffectColors(const QColor& highlight, const QColor& shadow)
{
    highlight_ = highlight;
    shadow_ = shadow;
    update();
}

void EffectLabel::setDepth(int pixels)
{
    depth_ = pixels;
    update();
}

void EffectLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment;
    update();
}

void EffectLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font());
    const QRect box = rect();
    const int flags = static_cast<int>(alignment_);
    const auto drawAt = [&](int dx, int dy, const QColor& color) {
        painter.setPen(color);
        painter.drawText(box.translated(dx, dy), flags, text_);
    };
    switch (effect_) {
    case Effect::Raised:
        drawAt(-depth_, -depth_, highlight_);
        drawAt(depth_, depth_, shadow_);
        break;
    case Effect::Sunken:
        drawAt(depth_, depth_, highlight_);
        drawAt(-depth_, -depth_, shadow_);
        break;
    case Effect::Shadow:
        drawAt(depth_, depth_, shadow_);
        break;
    }
    drawAt(0, 0, color_);
}

}  // namespace korvel
