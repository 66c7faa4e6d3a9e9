#include "FlatButton.h"

#include <QPainter>
#include <QStyle>

namespace korvel {

FlatButton::FlatButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::ArrowCursor);
}

void FlatButton::setFaceColors(const QColor& face, const QColor& hover, const QColor& pressed)
{
    face_ = face;
    hover_ = hover;
    pressed_ = pressed;
    update();
}

void FlatButton::setBorderColor(const QColor& color)
{
    border_ = color;
    update();
}

void FlatButton::setCaptionColor(const QColor& color)
{
    caption_ = color;
    update();
}

void FlatButton::setIconSpacing(int pixels)
{
    iconSpacing_ = pixels;
    update();
}

QColor FlatButton::currentFaceColor() const
{
    if (isDown()) {
        return pressed_;
    }
    return hovered_ && isEnabled() ? hover_ : face_;
}

QSize FlatButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int textWidth = metrics.horizontalAdvance(text());
    const int iconWidth = icon().isNull() ? 0 : iconSize().width() + iconSpacing_;
    return {textWidth + iconWidth + 12, std::max(metrics.height(), iconSize().height()) + 8};
}

void FlatButton::enterEvent(QEnterEvent* event)
{
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FlatButton::leaveEvent(QEvent* event)
{
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), currentFaceColor());
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics metrics(font());
    QString shown = text();
    shown.remove(QLatin1Char('&'));
    const int textWidth = metrics.horizontalAdvance(shown);
    const bool hasIcon = !icon().isNull();
    const int iconWidth = hasIcon ? iconSize().width() : 0;
    const int spacing = hasIcon && !shown.isEmpty() ? iconSpacing_ : 0;
    const int groupWidth = iconWidth + spacing + textWidth;
    int x = (width() - groupWidth) / 2;
    const int shift = isDown() ? 1 : 0;  // the pressed look moves the contents a little

    if (hasIcon) {
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const QRect iconRect(x + shift, (height() - iconSize().height()) / 2 + shift, iconSize().width(),
                             iconSize().height());
        icon().paint(&painter, iconRect, Qt::AlignCenter, mode);
        x += iconWidth + spacing;
    }
    painter.setPen(isEnabled() ? caption_ : caption_.darker(130));
    const QRect textRect(x + shift, shift, textWidth + 2, height());
    style()->drawItemText(&painter, textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                          palette(), true, text());
}

}  // namespace korvel
