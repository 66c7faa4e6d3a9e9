#pragma once

#include "EditionProfile.h"

#include <QImage>
#include <QSize>

namespace korvel {

// The picture of a circuit for the help panel: the court from above, the numbered cones, the
// running path of the odd effort periods with the distances between cones, and a legend below.
QImage circuitDiagram(Court court, QSize size, qreal devicePixelRatio = 1.0);

}  // namespace korvel
