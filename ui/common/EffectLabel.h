#pragma once

#include <QColor>
#include <QWidget>

namespace korvel {

// A caption drawn with a relief: raised (light above-left, dark below-right), sunken (the
// other way round) or with a plain drop shadow.
class EffectLabel : public QWidget {
    Q_OBJECT

public:
    enum class Effect {
        Raised,
        Sunken,
        Shadow,
    };

    explicit EffectLabel(QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const { return text_; }
    void setEffect(Effect effect);
    Effect effect() const { return effect_; }
    void setTextColor(const QColor& color);
    QColor textColor() const { return color_; }
    void setEffectColors(const QColor& highlight, const QColor& shadow);
    void setDepth(int pixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Effect effect_ = Effect::Raised;
    QColor color_ = Qt::gray;
    QColor highlight_ = Qt::white;
    QColor shadow_ = Qt::black;
    int depth_ = 1;
};

}  // namespace korvel
