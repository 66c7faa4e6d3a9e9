#include "PcmResampling.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(PcmResampling, FourTimesTheRateInterpolatesBetweenSamples)
{
    const PcmWave wave{11025, {128, 192, 64}};
    const std::vector<std::int16_t> out = resampleTo16Bit(wave, 44100);
    ASSERT_EQ(out.size(), 12u);
    // Original samples land on every fourth frame; 64 above silence is half scale.
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[4], 16383);
    EXPECT_EQ(out[8], -16383);
    EXPECT_EQ(out[2], 8191);   // halfway from silence to half scale
    EXPECT_EQ(out[6], 0);      // halfway between the two
    EXPECT_EQ(out[11], -16383);  // the last sample holds to the end
}

TEST(PcmResampling, FullScaleStaysInRange)
{
    const PcmWave wave{11025, {0, 255, 0, 255}};
    const std::vector<std::int16_t> out = resampleTo16Bit(wave, 44100);
    EXPECT_EQ(out.front(), -32767);
    EXPECT_EQ(out[4], 32511);
}

TEST(PcmResampling, DurationIsKeptForRatesThatDoNotDivide)
{
    const PcmWave wave{11025, std::vector<std::uint8_t>(5167, 128)};
    EXPECT_EQ(resampleTo16Bit(wave, 48000).size(), 5167u * 48000 / 11025);
    EXPECT_TRUE(resampleTo16Bit(PcmWave{0, {1, 2}}, 44100).empty());
}

}  // namespace
}  // namespace korvel
