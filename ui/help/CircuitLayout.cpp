#include "CircuitLayout.h"

#include <initializer_list>

namespace korvel {
namespace {

// The court panel places its cone markers by their top-left corner; the diagrams work with
// centres.
std::vector<QPointF> centresOf(double markerSize, std::initializer_list<QPointF> topLefts)
{
    std::vector<QPointF> centres;
    for (const QPointF& corner : topLefts) {
        centres.push_back(corner + QPointF(markerSize / 2, markerSize / 2));
    }
    return centres;
}

CircuitLayout footballCircuit()
{
    CircuitLayout layout;
    layout.cones = centresOf(9, {{249, 240}, {207, 168}, {248, 98}, {207, 26}, {126, 27}, {85, 98}, {125, 169},
                                 {85, 240}, {125, 310}, {85, 381}, {125, 452}, {207, 453}, {248, 382},
                                 {207, 311}});
    layout.legMetres.assign(layout.cones.size(), 9.15);
    return layout;
}

CircuitLayout basketCircuit()
{
    CircuitLayout layout;
    layout.cones = centresOf(14, {{264, 236}, {264, 117}, {190, 38}, {158, 117}, {125, 38}, {53, 117}, {53, 236},
                                  {53, 356}, {126, 435}, {158, 356}, {189, 435}, {264, 356}});
    layout.legMetres.assign(layout.cones.size(), 8.0);
    return layout;
}

CircuitLayout futsalCircuit()
{
    CircuitLayout layout;
    layout.cones = centresOf(12, {{275, 238}, {207, 193}, {274, 147}, {206, 87}, {114, 87}, {48, 147}, {114, 191},
                                  {48, 238}, {114, 281}, {48, 329}, {114, 391}, {206, 391}, {274, 330},
                                  {207, 282}});
    // The zigzags along the sides are 7 m; the legs round the two ends of the court are 8 m.
    layout.legMetres = {7, 7, 8, 8, 8, 7, 7, 7, 7, 8, 8, 8, 7, 7};
    return layout;
}

CircuitLayout volleyCircuit()
{
    CircuitLayout layout;
    layout.cones = centresOf(12, {{264, 448}, {264, 310}, {206, 239}, {264, 167}, {264, 28}, {134, 63}, {53, 28},
                                  {53, 167}, {111, 239}, {53, 310}, {53, 448}, {184, 414}});
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
