#include "CircuitLayout.h"

#include <QLineF>

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

namespace korvel {
namespace {

const SportEdition kEditions[] = {SportEdition::Probst, SportEdition::Futbol, SportEdition::Basket,
                                  SportEdition::FutSal, SportEdition::Voley};

TEST(CircuitLayout, HasOneConePerStationOfTheEdition)
{
    for (const SportEdition edition : kEditions) {
        const EditionProfile& profile = profileFor(edition);
        EXPECT_EQ(circuitLayout(profile.court).cones.size(), static_cast<std::size_t>(profile.stationsPerLap))
            << static_cast<int>(edition);
    }
}

// The first effort period runs the cones in their order and the help text says odd periods go
// anticlockwise, so the diagrams' arrows must turn that way on screen (y grows downwards).
TEST(CircuitLayout, ConeOrderTurnsAnticlockwiseOnScreen)
{
    for (const Court court : {Court::Football, Court::Basket, Court::FutSal, Court::Voley}) {
        const std::vector<QPointF>& cones = circuitLayout(court).cones;
        double twiceArea = 0;
        for (std::size_t i = 0; i < cones.size(); ++i) {
            const QPointF& a = cones[i];
            const QPointF& b = cones[(i + 1) % cones.size()];
            twiceArea += a.x() * b.y() - b.x() * a.y();
        }
        EXPECT_LT(twiceArea, 0) << static_cast<int>(court);
    }
}

TEST(CircuitLayout, LegDistancesAddUpToTheLapTheEngineCounts)
{
    for (const SportEdition edition : {SportEdition::Futbol, SportEdition::Basket, SportEdition::FutSal}) {
        const EditionProfile& profile = profileFor(edition);
        const CircuitLayout& layout = circuitLayout(profile.court);
        ASSERT_EQ(layout.legMetres.size(), layout.cones.size());
        const double lap = std::accumulate(layout.legMetres.begin(), layout.legMetres.end(), 0.0);
        EXPECT_NEAR(lap, profile.metresPerStation * profile.stationsPerLap, 0.05) << static_cast<int>(edition);
    }
}

TEST(CircuitLayout, VolleyballMarksMovementsAndConePositionsToScale)
{
    const CircuitLayout& layout = circuitLayout(Court::Voley);
    EXPECT_TRUE(layout.legMetres.empty());
    ASSERT_EQ(layout.movements.size(), layout.cones.size());
    EXPECT_EQ(std::set<Movement>(layout.movements.begin(), layout.movements.end()).size(), 3u);

    std::multiset<double> marked;
    const double pixelsPerMetre = QLineF(layout.cones[0], layout.cones[4]).length() / 18.0;  // side line
    for (const PositionMark& mark : layout.marks) {
        marked.insert(mark.metres);
        EXPECT_NEAR(QLineF(mark.from, mark.to).length() / pixelsPerMetre, mark.metres, 0.1) << mark.metres;
    }
    EXPECT_EQ(marked, (std::multiset<double>{1.5, 1.5, 2.5, 2.5, 3.5, 3.5}));
}

}  // namespace
}  // namespace korvel
