#pragma once

#include <QColor>
#include <QWidget>

namespace korvel {

// A round marker on the court: a one-pixel outline around a fill that is solid or hollow.
// Cones light up in it; the rest marker is one too.
class ConeMarker : public QWidget {
    Q_OBJECT

public:
    ConeMarker(const QColor& outline, const QColor& fill, QWidget* parent = nullptr);

    void setFill(const QColor& fill, bool solid);
    QColor fillColor() const { return fill_; }
    bool isSolid() const { return solid_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    QColor fill_;
    bool solid_ = true;
};

}  // namespace korvel
