#include "StoredColors.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(StoredColors, LowByteIsRed)
{
    const struct {
        StoredColor stored;
        int red, green, blue;
    } cases[] = {
        {255, 255, 0, 0},
        {65535, 255, 255, 0},
        {9165301, 245, 217, 139},
        {2930925, 237, 184, 44},
        {15724527, 239, 239, 239},
    };
    for (const auto& c : cases) {
        const QColor color = toQColor(c.stored);
        EXPECT_EQ(color.red(), c.red) << c.stored;
        EXPECT_EQ(color.green(), c.green) << c.stored;
        EXPECT_EQ(color.blue(), c.blue) << c.stored;
    }
}

}  // namespace
}  // namespace korvel
