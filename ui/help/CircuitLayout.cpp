#include "CircuitLayout.h"

#include "ConeLayout.h"

#include <QRectF>

namespace korvel {
namespace {

std::vector<QPointF> conesOf(Court court)
{
    std::vector<QPointF> centres;
    for (int cone = 0; cone < coneCount(court); ++cone) {
        centres.push_back(QRectF(coneRect(court, cone)).center());
    }
    return centres;
}

CircuitLayout footballCircuit()
{
    CircuitLayout layout;
    layout.cones = conesOf(Court::Football);
    layout.legMetres.assign(layout.cones.size(), 9.15);
    return layout;
}

CircuitLayout basketCircuit()
{
    CircuitLayout layout;
    layout.cones = conesOf(Court::Basket);
    layout.legMetres.assign(layout.cones.size(), 8.0);
    return layout;
}

CircuitLayout futsalCircuit()
{
    CircuitLayout layout;
    layout.cones = conesOf(Court::FutSal);
    // The zigzags along the sides are 7 m; the legs round the two ends of the court are 8 m.
    layout.legMetres = {7, 7, 8, 8, 8, 7, 7, 7, 7, 8, 8, 8, 7, 7};
    return layout;
}

CircuitLayout volleyCircuit()
{
    CircuitLayout layout;
    layout.cones = conesOf(Court::Voley);
    // Up the right side facing the far end line, across it side-stepping, back down the left
    // side without turning round, and side-stepping again along the near end line.
    using enum Movement;
    layout.movements = {Forwards,  Forwards,  Forwards,  Forwards,  Sideways, Sideways,
                        Backwards, Backwards, Backwards, Backwards, Sideways, Sideways};
    // The court is 9 × 18 m: cones 3 and 9 stand on the centre line 2,5 m in from a side line,
    // cones 6 and 12 3,5 m in from a side line and 1,5 m in from an end line.
    const QPointF& cone3 = layout.cones[2];
    const QPointF& cone6 = layout.cones[5];
    const QPointF& cone9 = layout.cones[8];
    const QPointF& cone12 = layout.cones[11];
    const double leftLine = layout.cones[6].x();
    const double rightLine = layout.cones[0].x();
    const double farLine = layout.cones[4].y();
    const double nearLine = layout.cones[0].y();
    layout.marks = {
        {{leftLine, cone9.y()}, cone9, 2.5},  {{rightLine, cone3.y()}, cone3, 2.5},
        {{leftLine, cone6.y()}, cone6, 3.5},  {{cone6.x(), farLine}, cone6, 1.5},
        {{rightLine, cone12.y()}, cone12, 3.5}, {{cone12.x(), nearLine}, cone12, 1.5},
    };
    return layout;
}

}  // namespace

const CircuitLayout& circuitLayout(Court court)
{
    static const CircuitLayout football = footballCircuit();
    static const CircuitLayout basket = basketCircuit();
    static const CircuitLayout futsal = futsalCircuit();
    static const CircuitLayout volley = volleyCircuit();
    switch (court) {
    case Court::Football:
        return football;
    case Court::Basket:
        return basket;
    case Court::FutSal:
        return futsal;
    case Court::Voley:
        return volley;
    }
    return basket;
}

}  // namespace korvel
