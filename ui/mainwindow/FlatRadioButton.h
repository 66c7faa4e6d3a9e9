#pragma once

#include <QAbstractButton>
#include <QColor>

namespace korvel {

// A flat option button: a round mark with a plain border, a coloured dot when selected and a
// coloured fill while pressed, and a caption whose colour the owner sets.
class FlatRadioButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatRadioButton(QWidget* parent = nullptr);

    void setCaptionColor(const QColor& color);
    QColor captionColor() const { return caption_; }
    void setMarkColors(const QColor& border, const QColor& dot, const QColor& pressed);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QColor caption_ = Qt::black;
    QColor border_ = Qt::black;
    QColor dot_ = Qt::black;
    QColor pressed_ = Qt::lightGray;
};

}  // namespace korvel
