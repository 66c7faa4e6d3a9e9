#include "BeepOnsets.h"
#include "TimingReport.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvel {
namespace {

// A square tone burst: loud but crossing zero every `halfPeriod` frames.
void addBurst(std::vector<std::int16_t>& samples, std::size_t start, std::size_t length, std::size_t halfPeriod)
{
    for (std::size_t i = 0; i < length; ++i) {
        const bool crossing = i % halfPeriod == 0;
        samples[start + i] = crossing ? 0 : static_cast<std::int16_t>((i / halfPeriod) % 2 == 0 ? 20000 : -20000);
    }
}

TEST(BeepOnsets, ZeroCrossingsDoNotSplitABurstButAQuietGapDoes)
{
    std::vector<std::int16_t> samples(10000, 100);  // background noise under the threshold
    addBurst(samples, 1000, 2000, 50);
    addBurst(samples, 3500, 1000, 50);  // 500 frames after the first: a new burst
    addBurst(samples, 4600, 500, 50);   // 100 frames after the second: the same one
    const std::vector<LoudSpan> spans = findLoudSpans(samples, 8000, 200);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].startFrame, 1001);  // the first frame above the threshold
    EXPECT_EQ(spans[0].lengthFrames, 1999);
    EXPECT_EQ(spans[1].startFrame, 3501);
    EXPECT_EQ(spans[1].lengthFrames, 1599);
}

TEST(TimingReport, FindsTheLatencyMissingAndStraySoundsAndIntervalErrors)
{
    const std::vector<double> scheduled = {1000, 1700, 2400, 3100, 3800, 4500, 34500, 35100};
    // Heard 1234.5 ms later; the fourth beep is missing, the sixth 0.75 ms late, and a stray
    // sound in the recovery.
    const std::vector<double> heard = {2234.5, 2934.5, 3634.5, 5034.5, 5735.25, 20000, 35734.5, 36334.5};
    const TimingReport report = compareTiming(scheduled, heard, 200);
    EXPECT_EQ(report.expected, 8);
    EXPECT_EQ(report.heard, 7);
    EXPECT_EQ(report.unexpected, 1);
    EXPECT_EQ(report.intervals, 5);  // the two around the missing beep cannot be compared
    EXPECT_DOUBLE_EQ(report.maxIntervalErrorMs, 0.75);
    EXPECT_DOUBLE_EQ(report.p99IntervalErrorMs, 0.75);
    EXPECT_DOUBLE_EQ(report.driftMs, 0.0);
}

TEST(TimingReport, DriftIsFirstToLastHeard)
{
    const std::vector<double> scheduled = {0, 1000, 2000, 3000};
    const std::vector<double> heard = {500, 1500.5, 2501, 3501.5};
    const TimingReport report = compareTiming(scheduled, heard, 200);
    EXPECT_EQ(report.heard, 4);
    EXPECT_DOUBLE_EQ(report.maxIntervalErrorMs, 0.5);
    EXPECT_DOUBLE_EQ(report.driftMs, 1.5);
}

TEST(TimingReport, NothingHeard)
{
    const TimingReport report = compareTiming({0, 1000}, {}, 200);
    EXPECT_EQ(report.heard, 0);
    EXPECT_EQ(report.intervals, 0);
}

}  // namespace
}  // namespace korvel
