#pragma once

#include "EditionProfile.h"

#include <QColor>

class QPainter;

namespace korvel {

// Paints the playing court of a court panel (ground, floor and lines) over the whole
// panel, in panel coordinates. The cones of ConeLayout stand on it where a coach would put
// them: on the lines of the volleyball court, round the keys of the basketball court.
void paintCourt(QPainter& painter, Court court);

// The colour the circuit, the arrows and the player outline are drawn in: one that stands
// out on that court's floor.
QColor circuitInk(Court court);

}  // namespace korvel
