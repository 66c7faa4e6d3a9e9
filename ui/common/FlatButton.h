#pragma once

#include <QAbstractButton>
#include <QColor>

namespace korvel {

// A flat push button: a plain face that changes colour under the pointer and while pressed,
// a one-pixel border, and an icon left of the caption, the pair centred. The icon shows its
// greyed image while the button is disabled.
class FlatButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FlatButton(QWidget* parent = nullptr);

    void setFaceColors(const QColor& face, const QColor& hover, const QColor& pressed);
    void setBorderColor(const QColor& color);
    void setCaptionColor(const QColor& color);
    void setIconSpacing(int pixels);

    QColor captionColor() const { return caption_; }
    // The face colour for the current pointer and pressed state.
    QColor currentFaceColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QColor face_ = Qt::white;
    QColor hover_ = Qt::white;
    QColor pressed_ = Qt::white;
    QColor border_ = Qt::black;
    QColor caption_ = Qt::black;
    int iconSpacing_ = 4;
    bool hovered_ = false;
};

}  // namespace korvel
