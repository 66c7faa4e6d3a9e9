#include "PlaceholderMainWindow.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(PlaceholderMainWindow, HasTheMainWindowsCaptionAndFixedSize)
{
    PlaceholderMainWindow basket(SportEdition::Basket);
    EXPECT_EQ(basket.windowTitle(), QStringLiteral("KORVEL-Basket 2.0: OSKABEL en Baloncesto"));
    EXPECT_EQ(basket.minimumSize(), QSize(826, 592));
    EXPECT_EQ(basket.maximumSize(), QSize(826, 592));

    PlaceholderMainWindow voley(SportEdition::Voley);
    EXPECT_EQ(voley.windowTitle(), QStringLiteral("KORVEL-Voley: OSKABEL en Voleibol"));
}

}  // namespace
}  // namespace korvel
