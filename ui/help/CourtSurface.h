#pragma once

#include "EditionProfile.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace korvel {

// The playing surface of a court seen from above: pitch or court, its lines and its goals or
// baskets. It is drawn in the coordinates of the main window's court panel (332 × 489), the
// same as the circuit's cones.
class CourtSurface {
public:
    explicit CourtSurface(Court court);

    // The part of the court panel a diagram shows: the surface with a margin round it.
    QRectF view() const;
    // The colour of the running path, chosen to stand out on this surface.
    QColor pathColor() const;
    void paint(QPainter& painter) const;

private:
    void paintFootballPitch(QPainter& painter) const;
    void paintBasketballCourt(QPainter& painter) const;
    void paintFutsalCourt(QPainter& painter) const;
    void paintVolleyballCourt(QPainter& painter) const;

    Court court_;
};

}  // namespace korvel
