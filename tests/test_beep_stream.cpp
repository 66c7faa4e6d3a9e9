#include "BeepStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <vector>

namespace korvel {
namespace {

constexpr int kRate = 44100;
constexpr std::int64_t kQueueFrames = 4410;  // a 100 ms device buffer
constexpr std::int16_t kAlertLevel = 50;

// A sound card on the same time base as the clock: it holds kQueueFrames, starts playing
// some time after it is opened, takes frames in blocks, plays one frame every 1/44100 s,
// plays silence when it runs dry, and may stall for a while (playing nothing from its queue).
class FakeDevice {
public:
    FakeDevice(std::int64_t startDelayMs, std::int64_t blockFrames) : blockFrames_(blockFrames)
    {
        stall(0, startDelayMs);
    }

    std::int64_t freeFrames() const { return kQueueFrames - static_cast<std::int64_t>(queue_.size()); }
    // What the device reports as played, which may be off by a shift for a while.
    std::int64_t streamFramesPlayed() const
    {
        return streamFramesPlayed_ == 0 ? reportBeforeStart_ : streamFramesPlayed_ + reportShift_;
    }
    void shiftReport(std::int64_t frames) { reportShift_ = frames; }
    // Like PulseAudio: claims a first block played long before it really starts.
    void reportBeforeStart(std::int64_t frames) { reportBeforeStart_ = frames; }
    void write(std::span<const std::int16_t> block) { queue_.insert(queue_.end(), block.begin(), block.end()); }
    void stall(std::int64_t fromMs, std::int64_t toMs) { stalls_.emplace_back(fromMs, toMs); }

    // Plays everything due by `ms` after the device was opened; frame i of the output
    // sounds i/44100 s after the device was opened.
    void playUntil(std::int64_t ms)
    {
        const std::int64_t due = ms * kRate / 1000 / blockFrames_ * blockFrames_;
        while (static_cast<std::int64_t>(played_.size()) < due) {
            const std::int64_t atMs = static_cast<std::int64_t>(played_.size()) * 1000 / kRate;
            const bool stalled = std::any_of(stalls_.begin(), stalls_.end(),
                                             [&](const auto& s) { return atMs >= s.first && atMs < s.second; });
            if (stalled || queue_.empty()) {
                played_.push_back(0);
                continue;
            }
            played_.push_back(queue_.front());
            queue_.pop_front();
            ++streamFramesPlayed_;
        }
    }

    const std::vector<std::int16_t>& played() const { return played_; }

private:
    std::int64_t blockFrames_;
    std::deque<std::int16_t> queue_;
    std::vector<std::int16_t> played_;
    std::int64_t streamFramesPlayed_ = 0;
    std::int64_t reportShift_ = 0;
    std::int64_t reportBeforeStart_ = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> stalls_;
};

// A beep whose samples count up from 1, so any frame of the output tells which sample of
// which beep it is; 200 ms long.
std::vector<std::int16_t> countingBeep()
{
    std::vector<std::int16_t> beep(8820);
    for (std::size_t i = 0; i < beep.size(); ++i) {
        beep[i] = static_cast<std::int16_t>(i + 1);
    }
    return beep;
}

// Drives a stream and a fake device on a fake clock in 5 ms feeder turns, as the Qt sink does.
class BeepStreamTest : public ::testing::Test {
protected:
    explicit BeepStreamTest(std::uint32_t clockStart = 1000, std::int64_t startDelayMs = 0, std::int64_t blockFrames = 1)
        : clockStartMs_(clockStart), device_(startDelayMs, blockFrames)
    {
        stream_.start(kQueueFrames);
        turn();
    }

    // Latency of the beep heard at `onset` that was due at dueMs after the start.
    double latencyMs(std::int64_t onset, std::int64_t dueMs) const
    {
        return static_cast<double>(onset) * 1000.0 / kRate - static_cast<double>(dueMs);
    }

    double placementMs() const { return static_cast<double>(stream_.placementFrames()) * 1000.0 / kRate; }

    std::uint32_t now() const { return clockStartMs_ + static_cast<std::uint32_t>(elapsedMs_); }

    void turn() { device_.write(stream_.feed(now(), device_.freeFrames(), device_.streamFramesPlayed())); }

    // Time passes; the feeder runs every 5 ms unless `stalled`.
    void advance(std::int64_t ms, bool stalled = false)
    {
        for (std::int64_t step = 0; step < ms; ++step) {
            ++elapsedMs_;
            device_.playUntil(elapsedMs_);
            if (!stalled && elapsedMs_ % 5 == 0) {
                turn();
            }
        }
    }

    // Advance to `ms` after the start, then report a beep that was due `lateMs` earlier.
    void beepAt(std::int64_t ms, std::int64_t lateMs)
    {
        advance(ms - elapsedMs_);
        stream_.addBeep(now() - static_cast<std::uint32_t>(lateMs), now());
    }

    // Frames of the output where a beep begins (its first sample).
    std::vector<std::int64_t> onsets() const
    {
        std::vector<std::int64_t> found;
        const auto& out = device_.played();
        for (std::size_t i = 0; i < out.size(); ++i) {
            if (out[i] == 1) {
                found.push_back(static_cast<std::int64_t>(i));
            }
        }
        return found;
    }

    std::uint32_t clockStartMs_;
    std::int64_t elapsedMs_ = 0;
    BeepStream stream_{BeepMixer(countingBeep(), std::vector<std::int16_t>(2205, kAlertLevel)), StreamTiming{}};
    FakeDevice device_;
};

// Frames of the output between onsets, against the frames between due times.
void expectIntervalsExact(const std::vector<std::int64_t>& onsets, const std::vector<std::int64_t>& dueMs)
{
    ASSERT_EQ(onsets.size(), dueMs.size());
    for (std::size_t i = 1; i < onsets.size(); ++i) {
        const double expected = static_cast<double>(dueMs[i] - dueMs[i - 1]) * kRate / 1000.0;
        EXPECT_NEAR(static_cast<double>(onsets[i] - onsets[i - 1]), expected, 1.0) << "interval " << i;
    }
}

TEST_F(BeepStreamTest, BeepsKeepTheirDueIntervalsWhateverTheTickLateness)
{
    // Due times with intervals from the tables, each noticed 0 to 16 ms late by the run.
    const std::vector<std::int64_t> due = {500, 5833, 6533, 7533, 11225, 11226 + 3692, 20000, 20437};
    const std::int64_t lateness[] = {0, 10, 16, 3, 9, 1, 14, 7};
    for (std::size_t i = 0; i < due.size(); ++i) {
        beepAt(due[i] + lateness[i], lateness[i]);
    }
    advance(1000);
    expectIntervalsExact(onsets(), due);
}

TEST_F(BeepStreamTest, LatencyIsThePlacement)
{
    beepAt(1000, 10);
    advance(1000);
    ASSERT_EQ(onsets().size(), 1u);
    EXPECT_NEAR(latencyMs(onsets()[0], 990), placementMs(), 1.0);
}

TEST_F(BeepStreamTest, NewBeepCutsOffTheOneSounding)
{
    beepAt(1000, 0);
    beepAt(1100, 0);  // 100 ms into a 200 ms beep
    advance(1000);
    const auto found = onsets();
    ASSERT_EQ(found.size(), 2u);
    const auto& out = device_.played();
    EXPECT_EQ(out[static_cast<std::size_t>(found[1] - 1)], found[1] - found[0]);  // the first ran until then
    EXPECT_EQ(out[static_cast<std::size_t>(found[1] + 8819)], 8820);               // the second plays whole
    EXPECT_EQ(out[static_cast<std::size_t>(found[1] + 8820)], 0);
}

TEST_F(BeepStreamTest, AfterAStallBeepsComeBackOnScheduleAndNoneLate)
{
    beepAt(1000, 0);
    beepAt(2000, 0);
    // The user-interface thread hangs for 600 ms: the device runs dry; the beep due in the
    // middle is only reported when it wakes up, far too late to be played.
    advance(300);
    advance(600, true);
    stream_.addBeep(now() - 400, now());
    beepAt(4000, 5);
    beepAt(5000, 0);
    advance(1000);
    const auto found = onsets();
    ASSERT_EQ(found.size(), 4u);
    EXPECT_GT(stream_.skippedFrames(), 0);
    // The same latency before and after the stall.
    expectIntervalsExact(found, {1000, 2000, 3995, 5000});
}

TEST_F(BeepStreamTest, AfterTheDeviceStallsBeepsComeBackOnSchedule)
{
    device_.stall(1500, 1800);
    beepAt(1000, 0);
    beepAt(2500, 0);
    beepAt(3000, 0);
    advance(1000);
    expectIntervalsExact(onsets(), {1000, 2500, 3000});
}

TEST_F(BeepStreamTest, PassingWobbleOfTheReportedPositionChangesNothing)
{
    const StreamTiming timing;
    for (const std::int64_t at : {500, 1200, 1900}) {
        advance(at - elapsedMs_);
        device_.shiftReport((at % 2 == 0 ? 1 : -1) * (timing.toleranceMs + 50) * kRate / 1000);
        advance(timing.persistenceMs - 10);
        device_.shiftReport(0);
    }
    const std::vector<std::int64_t> due = {2500, 3100, 3700};
    for (const std::int64_t d : due) {
        beepAt(d, 0);
    }
    advance(1000);
    expectIntervalsExact(onsets(), due);
    EXPECT_EQ(stream_.skippedFrames(), 0);
}

TEST_F(BeepStreamTest, DeviceLastingAheadIsMetWithSilence)
{
    advance(500);
    device_.shiftReport(300 * kRate / 1000);
    advance(1000);
    EXPECT_EQ(stream_.skippedFrames(), -300 * kRate / 1000);
    advance(2000);
    EXPECT_EQ(stream_.skippedFrames(), -300 * kRate / 1000) << "one correction, heard, is enough";
}

TEST_F(BeepStreamTest, SlightlyLateReportPlaysAtOnceAndFarTooLateIsDropped)
{
    // With the device full, a beep is placed exactly if reported within this of its due time.
    const std::int64_t slack = StreamTiming{}.placementMarginMs + StreamTiming{}.reportSlackMs;
    beepAt(1000, 0);
    beepAt(2000, slack + 50);  // beyond the slack, within the tolerated lateness
    beepAt(3000, slack + StreamTiming{}.maxLateMs + 50);
    advance(1000);
    const auto found = onsets();
    ASSERT_EQ(found.size(), 2u);
    const double lateMs = static_cast<double>(found[1] - found[0]) * 1000 / kRate - (1000.0 - (slack + 50));
    EXPECT_GT(lateMs, 0.0);
    EXPECT_LE(lateMs, StreamTiming{}.maxLateMs);
}

TEST_F(BeepStreamTest, AlertPlaysOnceThroughTheStream)
{
    advance(500);
    stream_.addAlert(now());
    advance(500);
    const auto& out = device_.played();
    const auto alertFrames = std::count(out.begin(), out.end(), kAlertLevel);
    EXPECT_EQ(alertFrames, 2205);
}

class SlowStartingDeviceTest : public BeepStreamTest {
protected:
    SlowStartingDeviceTest() : BeepStreamTest(1000, 1500) { device_.reportBeforeStart(1000); }
};

TEST_F(SlowStartingDeviceTest, ClockIsTiedOnlyOnceTheDevicePlays)
{
    advance(1000);
    EXPECT_FALSE(stream_.placing());
    advance(1000);
    ASSERT_TRUE(stream_.placing());
    beepAt(2500, 10);
    advance(1000);
    ASSERT_EQ(onsets().size(), 1u);
    EXPECT_NEAR(latencyMs(onsets()[0], 2490), placementMs(), 1.0);
    EXPECT_EQ(stream_.skippedFrames(), 0);
}

class WrappingClockTest : public BeepStreamTest {
protected:
    WrappingClockTest() : BeepStreamTest(std::numeric_limits<std::uint32_t>::max() - 1500) {}
};

TEST_F(WrappingClockTest, IntervalsStayExactAcrossTheWrap)
{
    const std::vector<std::int64_t> due = {500, 1200, 1900, 2600, 3300};
    for (const std::int64_t d : due) {
        beepAt(d + 10, 10);
    }
    advance(1000);
    expectIntervalsExact(onsets(), due);
}

class BlockyDeviceTest : public BeepStreamTest {
protected:
    // Like a PulseAudio null sink: it starts 180 ms late and takes 20 ms at a time.
    BlockyDeviceTest() : BeepStreamTest(1000, 180, 882) {}
};

TEST_F(BlockyDeviceTest, IntervalsStayExactWhenTheDeviceTakesBlocks)
{
    const std::vector<std::int64_t> due = {700, 1400, 2100, 2800, 3500, 4200, 4900};
    for (const std::int64_t d : due) {
        beepAt(d + 12, 12);
    }
    advance(1000);
    expectIntervalsExact(onsets(), due);
    EXPECT_EQ(stream_.skippedFrames(), 0) << "a steady device needs no correction";
}

}  // namespace
}  // namespace korvel
