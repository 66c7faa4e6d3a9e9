#include "ConeMarker.h"
#include "CourtPanel.h"
#include "CourtPicture.h"

#include <QImage>

#include <gtest/gtest.h>

namespace korvel {
namespace {

struct CourtCase {
    SportEdition edition;
    const char* panel;
    const char* firstPicture;
    const char* lastPicture;
    const char* restMarker;
};

class CourtPanelTest : public testing::TestWithParam<CourtCase> {
protected:
    CourtPanelTest() : panel(profileFor(GetParam().edition).court) {}

    // Stacking position among the panel's children, bottom first.
    int depthOf(const QObject& child) const { return static_cast<int>(panel.children().indexOf(&child)); }

    CourtPanel panel;
};

TEST_P(CourtPanelTest, HasOneConePerStationAndItsNamedParts)
{
    const CourtCase& c = GetParam();
    EXPECT_EQ(panel.objectName(), c.panel);
    EXPECT_EQ(panel.size(), QSize(332, 489));
    EXPECT_EQ(panel.coneCount(), profileFor(c.edition).stationsPerLap);
    EXPECT_NE(panel.findChild<CourtPicture*>(c.firstPicture), nullptr);
    EXPECT_NE(panel.findChild<CourtPicture*>(c.lastPicture), nullptr);
    EXPECT_EQ(panel.restMarker().objectName(), c.restMarker);
    EXPECT_EQ(panel.restMarker().geometry(), panel.cone(0).geometry()) << "the rest marker covers the start cone";
    for (int i = 0; i < panel.coneCount(); ++i) {
        EXPECT_TRUE(panel.rect().contains(panel.cone(i).geometry())) << "cone " << i + 1;
    }
}

TEST_P(CourtPanelTest, PictureOnTopStaysUnderTheMarkers)
{
    for (const int picture : {3, 1, 2, panel.pictureCount()}) {
        panel.putPictureOnTop(picture);
        EXPECT_EQ(panel.pictureOnTop(), picture);
        int highestPicture = -1;
        for (const CourtPicture* image : panel.findChildren<CourtPicture*>()) {
            highestPicture = std::max(highestPicture, depthOf(*image));
        }
        for (int i = 0; i < panel.coneCount(); ++i) {
            EXPECT_GT(depthOf(panel.cone(i)), highestPicture) << "cone " << i + 1 << " under picture " << picture;
        }
        EXPECT_GT(depthOf(panel.restMarker()), highestPicture);
    }
}

TEST_P(CourtPanelTest, EachPictureLooksDifferent)
{
    std::vector<QImage> seen;
    for (int picture = 1; picture <= panel.pictureCount(); ++picture) {
        panel.putPictureOnTop(picture);
        const QImage shot = panel.grab().toImage();
        for (std::size_t other = 0; other < seen.size(); ++other) {
            EXPECT_NE(shot, seen[other]) << "pictures " << other + 1 << " and " << picture;
        }
        seen.push_back(shot);
    }
}

TEST_P(CourtPanelTest, LightingAConeHidesTheOthers)
{
    panel.lightCone(3);
    for (int i = 0; i < panel.coneCount(); ++i) {
        EXPECT_EQ(panel.cone(i).isVisibleTo(&panel), i == 3) << "cone " << i + 1;
    }
    EXPECT_EQ(panel.cone(3).fillColor(), QColor(255, 255, 0));
    EXPECT_TRUE(panel.cone(3).isSolid());

    panel.resetCones();
    EXPECT_TRUE(panel.cone(3).isVisibleTo(&panel)) << "a reset changes the look, not which cones show";
    EXPECT_EQ(panel.cone(3).fillColor(), QColor(255, 0, 0));
    EXPECT_FALSE(panel.cone(3).isSolid());
}

INSTANTIATE_TEST_SUITE_P(
    Editions, CourtPanelTest,
    testing::Values(CourtCase{SportEdition::Basket, "Panel_Basket", "ImageBasket1", "ImageBasket5", "ShapeDescansoB"},
                    CourtCase{SportEdition::Probst, "Panel_Futbol", "ImageFutbol1", "ImageFutbol5", "ShapeDescansoF"},
                    CourtCase{SportEdition::Futbol, "Panel_Futbol", "ImageFutbol1", "ImageFutbol5", "ShapeDescansoF"},
                    CourtCase{SportEdition::FutSal, "Panel_FutSal", "ImageFutSal1", "ImageFutSal5", "ShapeDescansoFS"},
                    CourtCase{SportEdition::Voley, "Panel_Voley", "ImageVoley1", "ImageVoley3", "ShapeDescansoV"}));

TEST(CourtPictureRoles, RestingPicturesFaceTheNextRunningDirection)
{
    const std::vector<CourtPictureRole> alternating = courtPictureRoles(Court::Basket);
    ASSERT_EQ(alternating.size(), 5u);
    EXPECT_EQ(alternating[1], CourtPictureRole::RunForwards);
    EXPECT_EQ(alternating[2], CourtPictureRole::RestFacingBackwards) << "after an odd count, before running back";
    EXPECT_EQ(alternating[3], CourtPictureRole::RunBackwards);
    EXPECT_EQ(alternating[4], CourtPictureRole::RestFacingForwards);
    EXPECT_EQ(courtPictureRoles(Court::Voley).back(), CourtPictureRole::RestFacingForwards);
}

}  // namespace
}  // namespace korvel
