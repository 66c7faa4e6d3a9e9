#pragma once

#include "EditionProfile.h"

#include <QPointF>

#include <vector>

namespace korvel {

// How the players move along a leg of the volleyball circuit; they face the far end line
// all the way round.
enum class Movement {
    Forwards,   // running ahead
    Sideways,   // side steps
    Backwards,  // running backwards
};

// A distance marked on the court that places a cone: from a court line to the cone's centre.
struct PositionMark {
    QPointF from;
    QPointF to;
    double metres;
};

// The circuit of cones of one court, in the coordinates of the main window's court panel
// (332 × 489 pixels): the cones are the court panel's, so the help diagram and the live court
// agree cone for cone.
struct CircuitLayout {
    std::vector<QPointF> cones;        // cone centres; cone 1, the start cone, first
    std::vector<double> legMetres;     // metres from each cone to the next (the last leg back to cone 1);
                                       // empty where the court marks positions instead of legs
    std::vector<Movement> movements;   // per leg, empty unless the court shows the kind of movement
    std::vector<PositionMark> marks;   // distances that place cones, where legs carry none
};

const CircuitLayout& circuitLayout(Court court);

}  // namespace korvel
