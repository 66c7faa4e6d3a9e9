#include "ProgressGauge.h"

#include <QImage>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class ProgressGaugeTest : public testing::Test {
protected:
    ProgressGaugeTest()
    {
        gauge.resize(395, 18);
        gauge.setMaximum(36);
        gauge.setColors({QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)});
    }

    // A pixel of the bar row, clear of the centred text.
    QColor barAt(double fraction)
    {
        const QImage shot = gauge.grab().toImage();
        return shot.pixelColor(static_cast<int>(fraction * shot.width()), 2);
    }

    ProgressGauge gauge;
};

TEST_F(ProgressGaugeTest, TextIsPrefixPositionSuffix)
{
    gauge.setPrefix(QStringLiteral("Estación Nº: "));
    gauge.setPosition(12);
    EXPECT_EQ(gauge.text(), "Estación Nº: 12");
    gauge.setPrefix(QString());
    gauge.setSuffix(QStringLiteral(" seg."));
    gauge.setPosition(17);
    EXPECT_EQ(gauge.text(), "17 seg.");
}

TEST_F(ProgressGaugeTest, BarGrowsWithThePositionOnLightGrey)
{
    const QColor ground(239, 239, 239);
    EXPECT_EQ(barAt(0.05), ground);
    gauge.setPosition(18);
    EXPECT_NE(barAt(0.05), ground);
    EXPECT_EQ(barAt(0.95), ground);
}

TEST_F(ProgressGaugeTest, PositionPastTheMaximumFillsTheBarAndKeepsItsNumber)
{
    gauge.setPosition(40);
    EXPECT_EQ(gauge.text(), "40");
    EXPECT_NE(barAt(0.99), QColor(239, 239, 239));
    EXPECT_GT(barAt(0.99).blue(), 200) << "the leading edge is in the last colour";
}

}  // namespace
}  // namespace korvel
