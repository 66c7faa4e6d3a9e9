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
    // Centred by default; a title above other text wants its caption at the top.
    void setAlignment(Qt::Alignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Effect effect_ = Effect::Raised;
    QColor color_ = Qt::gray;
    QColor highlight_ = Qt::white;
    QColor shadow_ = Qt::black;
    int depth_ = 1;
    Qt::Alignment alignment_ = Qt::AlignCenter;
};

}  // namespace korvel
