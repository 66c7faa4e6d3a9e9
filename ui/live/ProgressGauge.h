#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace korvel {

// The three colours of a gauge bar, from its start to its leading edge.
struct GaugeColors {
    QColor start;
    QColor middle;
    QColor end;
};

// A horizontal gauge on a light grey ground: a bar shaded through three colours up to the
// position, and over it the text prefix + position + suffix ("Estación Nº: 12", "17 seg.").
class ProgressGauge : public QWidget {
    Q_OBJECT

public:
    explicit ProgressGauge(QWidget* parent = nullptr);

    void setMaximum(int maximum);
    int maximum() const { return maximum_; }
    // A position beyond the maximum fills the bar and still shows its own number.
    void setPosition(int position);
    int position() const { return position_; }
    void setPrefix(const QString& prefix);
    QString prefix() const { return prefix_; }
    void setSuffix(const QString& suffix);
    QString suffix() const { return suffix_; }
    void setColors(const GaugeColors& colors);
    GaugeColors colors() const { return colors_; }

    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int maximum_ = 100;
    int position_ = 0;
    QString prefix_;
    QString suffix_;
    GaugeColors colors_;
};

}  // namespace korvel
