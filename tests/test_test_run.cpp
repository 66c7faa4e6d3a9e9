#include "TestRun.h"

#include "support/FakeRunPorts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace korvel {
namespace {

using testing::FakeRunPorts;
using testing::SoundEvent;

class TestRunTest : public ::testing::Test {
protected:
    explicit TestRunTest(SportEdition edition = SportEdition::Basket) : run(profileFor(edition), fakes.ports())
    {
        run.setSoundAvailable(true);
    }

    void startAt(std::uint32_t nowMs, int period, TestMode mode = TestMode::EffortTest, bool warmUp = false)
    {
        fakes.clocks.now = nowMs;
        fakes.clocks.origin = nowMs;
        fakes.configuration.period = period;
        fakes.configuration.mode = mode;
        fakes.configuration.warmUp = warmUp;
        run.newTest();
        run.start();
    }

    // Runs whole effort periods (and their recoveries) at 10 ms ticks until `beeps` station
    // beeps, start beeps included, have sounded.
    void runUntilBeeps(std::size_t beeps, std::uint32_t step = 10)
    {
        while (fakes.sink.stationBeeps().size() < beeps) {
            fakes.runUntil(run, fakes.clocks.now + step, step);
        }
    }

    std::size_t beepsSoFar() const { return fakes.sink.stationBeeps().size(); }

    FakeRunPorts fakes;
    TestRun run;
};

TEST_F(TestRunTest, StartSoundsTheStartBeepAtOnceAndRunsTheFirstPeriod)
{
    startAt(1000, 1);
    ASSERT_EQ(beepsSoFar(), 1u);
    EXPECT_EQ(fakes.sink.stationBeeps()[0].dueMs, 1000u);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
    EXPECT_EQ(run.currentPeriod(), 1);
    EXPECT_EQ(run.startPeriod(), 1);
    EXPECT_EQ(run.speedText(), "4,2");
    EXPECT_EQ(run.initialSpeedText(), "4,2");
    EXPECT_EQ(run.lapNumber(), 1);
    EXPECT_EQ(fakes.ticks.current, (TickSet{.station = true, .recovery = false, .chrono = true}));
    EXPECT_EQ(fakes.subjects.calls,
              (std::vector<std::string>{"confirmUnsavedResults", "activateNamedRows", "testStarted"}));
    EXPECT_EQ(fakes.view.calls.back().name, "showRunStarted");
}

TEST_F(TestRunTest, FirstStationBeepOnTheFirstTickPastTheInterval)
{
    startAt(0, 1);
    fakes.runUntil(run, 5330, 10);
    EXPECT_EQ(beepsSoFar(), 1u);
    fakes.runUntil(run, 5340, 10);
    ASSERT_EQ(beepsSoFar(), 2u);
    EXPECT_EQ(fakes.sink.stationBeeps()[1].heardAt, 5340u);
    EXPECT_EQ(fakes.sink.stationBeeps()[1].dueMs, 5333u);
    EXPECT_EQ(run.beepCount(), 1);
    EXPECT_EQ(run.highlightedCone(), 1);
    EXPECT_EQ(run.distance(), 8.0);
}

TEST_F(TestRunTest, ElapsedEqualToTheIntervalIsNotExceeded)
{
    startAt(0, 1);
    fakes.clocks.now = 5333;
    run.stationTick();
    EXPECT_EQ(beepsSoFar(), 1u);
    fakes.clocks.now = 5334;
    run.stationTick();
    EXPECT_EQ(beepsSoFar(), 2u);
}

TEST_F(TestRunTest, TheThirtySixthBeepStartsTheRecoveryAndItsEndStartsTheNextPeriod)
{
    startAt(0, 1);
    runUntilBeeps(37);  // start beep + 36
    const std::uint32_t lastDue = 36 * 5333;
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, lastDue);
    EXPECT_EQ(run.phase(), RunPhase::Recovery);
    EXPECT_EQ(run.currentPeriod(), 2);
    EXPECT_EQ(run.completedPeriods(), 1);
    EXPECT_EQ(run.beepCount(), 0);
    EXPECT_EQ(run.highlightedCone(), 0);
    EXPECT_EQ(run.speedText(), "4,8");
    EXPECT_EQ(run.distance(), 288.0);
    EXPECT_EQ(run.intervalStartMs(), lastDue);
    EXPECT_EQ(fakes.ticks.current, (TickSet{.station = false, .recovery = true, .chrono = true}));
    const auto begun = fakes.view.named("showRecoveryBegun");
    ASSERT_EQ(begun.size(), 1u);
    EXPECT_EQ(begun[0].completedPeriods, 1);
    EXPECT_EQ(begun[0].speedText, "4,8") << "the display already shows the coming period's speed";
    EXPECT_EQ(begun[0].phase, RunPhase::Recovery);

    // The alert is requested on every tick of the 28th second of the recovery, and only then.
    for (std::uint32_t t = 10; t <= 30000; t += 10) {
        fakes.clocks.now = lastDue + t;
        run.recoveryTick();
    }
    const std::vector<std::uint32_t> alerts = fakes.sink.alertTimes();
    ASSERT_EQ(alerts.size(), 100u);
    EXPECT_EQ(alerts.front(), lastDue + 27000);
    EXPECT_EQ(alerts.back(), lastDue + 27990);
    EXPECT_EQ(run.phase(), RunPhase::Recovery) << "a tick at exactly 30000 ms does not end it";

    fakes.runUntil(run, lastDue + 30010, 10);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
    ASSERT_EQ(beepsSoFar(), 38u);
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, lastDue + 30000);
    EXPECT_EQ(fakes.ticks.current, (TickSet{.station = true, .recovery = false, .chrono = true}));

    runUntilBeeps(39);
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, lastDue + 30000 + 4800);
}

TEST_F(TestRunTest, RecoveryGaugeShowsWholeSeconds)
{
    startAt(0, 1);
    runUntilBeeps(37);
    const std::uint32_t begun = run.intervalStartMs();
    fakes.clocks.now = begun + 29999;
    run.recoveryTick();
    EXPECT_EQ(fakes.view.calls.back().elapsedMs / 1000, 29);
    fakes.clocks.now = begun + 30000;
    run.recoveryTick();
    EXPECT_EQ(fakes.view.named("showRecoveryTick").back().elapsedMs / 1000, 30);
    EXPECT_EQ(run.phase(), RunPhase::Recovery);
    fakes.clocks.now = begun + 30001;
    run.recoveryTick();
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
}

// Whatever the tick period, beep k of a period is due exactly k intervals after the start beep
// and is noticed within one tick of being due: tick lateness never adds up.
class PaceWithoutDrift : public TestRunTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(PaceWithoutDrift, EveryBeepIsDueOnTheExactSchedule)
{
    const std::uint32_t step = GetParam();
    startAt(7, 4);  // 4000 ms
    runUntilBeeps(37, step);
    const std::vector<SoundEvent> beeps = fakes.sink.stationBeeps();
    for (std::uint32_t k = 0; k < beeps.size(); ++k) {
        EXPECT_EQ(beeps[k].dueMs, 7 + k * 4000) << "beep " << k;
        EXPECT_LE(beeps[k].heardAt - beeps[k].dueMs, step) << "beep " << k;
    }
    // Across the recovery and into the next period, too.
    runUntilBeeps(40, step);
    const std::vector<SoundEvent> later = fakes.sink.stationBeeps();
    EXPECT_EQ(later[37].dueMs, 7 + 36 * 4000 + 30000);
    EXPECT_EQ(later[38].dueMs, later[37].dueMs + 3692);
    EXPECT_EQ(later[39].dueMs, later[37].dueMs + 2 * 3692);
}

INSTANTIATE_TEST_SUITE_P(TickPeriods, PaceWithoutDrift, ::testing::Values(10u, 16u, 33u));

TEST_F(TestRunTest, AStallGivesOneLateBeepAndNoBurst)
{
    startAt(0, 4);  // 4000 ms
    runUntilBeeps(3);
    const std::uint32_t lastDue = fakes.sink.stationBeeps().back().dueMs;  // 8000
    // The machine stalls for 5 s past the next due time: one tick arrives at 17000.
    fakes.clocks.now = lastDue + 4000 + 5000;
    run.stationTick();
    run.stationTick();
    ASSERT_EQ(beepsSoFar(), 4u);
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, lastDue + 9000) << "re-based at the late tick";
    fakes.runUntil(run, lastDue + 9000 + 3990, 10);
    EXPECT_EQ(beepsSoFar(), 4u);
    fakes.runUntil(run, lastDue + 9000 + 4010, 10);
    EXPECT_EQ(beepsSoFar(), 5u);
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, lastDue + 13000);
}

TEST_F(TestRunTest, ALateTickShorterThanAnIntervalKeepsTheSchedule)
{
    startAt(0, 4);
    fakes.clocks.now = 4000 + 3000;  // 3 s late, less than one interval
    run.stationTick();
    ASSERT_EQ(beepsSoFar(), 2u);
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, 4000u);
    run.stationTick();
    EXPECT_EQ(beepsSoFar(), 2u) << "no catch-up beep";
    fakes.runUntil(run, 8010, 10);
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, 8000u);
}

TEST_F(TestRunTest, TheScheduleSurvivesTheClockWrapping)
{
    const std::uint32_t nearWrap = std::numeric_limits<std::uint32_t>::max() - 6000;
    startAt(nearWrap, 1);
    runUntilBeeps(3);
    const std::vector<SoundEvent> beeps = fakes.sink.stationBeeps();
    EXPECT_EQ(beeps[1].dueMs, nearWrap + 5333u);
    EXPECT_EQ(beeps[2].dueMs, static_cast<std::uint32_t>(nearWrap + 2u * 5333u));
    EXPECT_LT(beeps[2].dueMs, 10000u) << "past the wrap";
}

TEST_F(TestRunTest, WarmUpRunsAtTheStartPeriodThenTheLongRecoveryThenTheSamePeriod)
{
    fakes.clocks.wallOrigin += std::chrono::minutes(1);
    startAt(0, 4, TestMode::EffortTest, true);
    EXPECT_EQ(run.phase(), RunPhase::WarmUp);
    EXPECT_EQ(fakes.subjects.calls, (std::vector<std::string>{"confirmUnsavedResults", "testStarted"}))
        << "no stop buttons during the warm-up";
    EXPECT_TRUE(fakes.view.named("showDistance").empty()) << "no distance is shown during the warm-up";

    runUntilBeeps(37);
    EXPECT_EQ(run.phase(), RunPhase::PreTestRecovery);
    EXPECT_EQ(run.currentPeriod(), 4) << "the warm-up does not advance the period";
    EXPECT_EQ(run.completedPeriods(), 0);
    EXPECT_EQ(run.timeText(), "00:00") << "the chronometer text waits for the test proper";
    const std::uint32_t recoveryStart = run.intervalStartMs();
    EXPECT_EQ(recoveryStart, 36u * 4000u);

    fakes.runUntil(run, recoveryStart + 180000, 10);
    for (std::uint32_t t : fakes.sink.alertTimes()) {
        EXPECT_EQ((t - recoveryStart) / 1000, 177u) << "the warning is the 178th second";
    }
    EXPECT_FALSE(fakes.sink.alertTimes().empty());
    EXPECT_EQ(run.phase(), RunPhase::PreTestRecovery);
    EXPECT_EQ(fakes.subjects.calls.size(), 2u);

    fakes.runUntil(run, recoveryStart + 180010, 10);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
    EXPECT_FALSE(run.warmUpActive());
    EXPECT_EQ(run.currentPeriod(), 4);
    EXPECT_EQ(run.distance(), 0.0);
    EXPECT_EQ(fakes.subjects.calls.back(), "activateNamedRows");
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, recoveryStart + 180000);

    fakes.runUntil(run, recoveryStart + 180000 + 61000, 10);
    EXPECT_EQ(run.timeText(), "01:01") << "test time counts from the start beep of the first period";
    EXPECT_EQ(run.reading().startPeriod, 4);
    EXPECT_EQ(run.reading().currentPeriod, 4);
}

struct ConeCase {
    SportEdition edition;
    int completedBefore;  // effort periods finished before the one watched
    std::vector<int> conesAfterBeeps1To13;  // 1-based cones
};

class ConeOrder : public ::testing::TestWithParam<ConeCase> {};

TEST_P(ConeOrder, ConesLightInTheRunningDirection)
{
    const ConeCase& c = GetParam();
    FakeRunPorts fakes;
    TestRun run(profileFor(c.edition), fakes.ports());
    fakes.configuration.period = 1;
    run.newTest();
    run.start();
    while (run.completedPeriods() < c.completedBefore || run.phase() != RunPhase::EffortPeriod) {
        fakes.runUntil(run, fakes.clocks.now + 10, 10);
    }
    std::vector<int> cones;
    while (run.beepCount() < 13) {
        const int before = run.beepCount();
        fakes.runUntil(run, fakes.clocks.now + 10, 10);
        if (run.beepCount() != before) {
            cones.push_back(run.highlightedCone() + 1);
        }
    }
    EXPECT_EQ(cones, c.conesAfterBeeps1To13);
}

INSTANTIATE_TEST_SUITE_P(Editions, ConeOrder,
    ::testing::Values(ConeCase{SportEdition::Basket, 0, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}},
                      ConeCase{SportEdition::Basket, 1, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 12}},
                      ConeCase{SportEdition::Basket, 2, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}},
                      ConeCase{SportEdition::Voley, 1, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2}},
                      ConeCase{SportEdition::Futbol, 1, {14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}}));

TEST_F(TestRunTest, RepeatPeriodNeverRecoversAndIgnoresTheWarmUpOption)
{
    startAt(0, 10, TestMode::RepeatPeriod, true);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod) << "no warm-up in this mode";
    EXPECT_FALSE(run.warmUpActive());
    runUntilBeeps(41);
    EXPECT_EQ(run.beepCount(), 40);
    EXPECT_EQ(run.lapNumber(), 4);
    EXPECT_EQ(run.distance(), 320.0);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
    EXPECT_EQ(run.currentPeriod(), 10);
    EXPECT_EQ(run.completedPeriods(), 0);
    EXPECT_EQ(run.highlightedCone(), 4) << "40 mod 12, always forwards";
    EXPECT_EQ(fakes.sink.stationBeeps().back().dueMs, 40u * 2667u);
    EXPECT_TRUE(fakes.sink.alertTimes().empty());
    EXPECT_TRUE(fakes.configuration.warmUp) << "the option itself is kept for the next test";
}

TEST_F(TestRunTest, StopDuringARecoveryRecordsTheComingPeriodsSpeed)
{
    startAt(0, 1);
    runUntilBeeps(37 + 37);  // periods 1 and 2 done, now in the recovery before period 3
    fakes.runUntil(run, fakes.clocks.now + 5000, 10);
    ASSERT_EQ(run.phase(), RunPhase::Recovery);
    run.stop();
    EXPECT_EQ(run.phase(), RunPhase::Stopped);
    EXPECT_EQ(fakes.ticks.current, TickSet{});
    ASSERT_EQ(fakes.subjects.readings.size(), 1u);
    const RunReading& r = fakes.subjects.readings.front();
    EXPECT_EQ(r.currentPeriod, 3);
    EXPECT_EQ(r.startPeriod, 1);
    EXPECT_EQ(r.speedText, "5,4");
    EXPECT_EQ(r.distance, 576);
    EXPECT_EQ(fakes.view.calls.back().name, "showStopped");

    // Ticks still queued after the stop change nothing.
    const std::size_t beeps = beepsSoFar();
    fakes.clocks.now += 60000;
    run.recoveryTick();
    run.stationTick();
    run.chronoTick();
    EXPECT_EQ(beepsSoFar(), beeps);
    EXPECT_EQ(run.phase(), RunPhase::Stopped);
}

TEST_F(TestRunTest, APeriodBeyondTheTableStaysSilentUntilStop)
{
    run.workingTable().setLines({"1000", "900"});
    startAt(0, 2);
    runUntilBeeps(37 + 1);  // period 2 and the start beep of period 3
    ASSERT_EQ(run.currentPeriod(), 3);
    ASSERT_EQ(run.phase(), RunPhase::EffortPeriod);
    const std::size_t beeps = beepsSoFar();
    fakes.runUntil(run, fakes.clocks.now + 120000, 10);
    EXPECT_EQ(beepsSoFar(), beeps);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
    run.stop();
    EXPECT_EQ(run.phase(), RunPhase::Stopped);
}

TEST_F(TestRunTest, WorkingTableEditsTakeEffectFromTheNextTick)
{
    startAt(0, 1);
    run.workingTable().setLines({"2000"});
    fakes.runUntil(run, 2010, 10);
    EXPECT_EQ(beepsSoFar(), 2u);
    run.workingTable().setLines({"not a number"});
    fakes.runUntil(run, 20000, 10);
    EXPECT_EQ(beepsSoFar(), 2u) << "an entry that is not a whole positive number is empty";
    run.workingTable().setLines({"1000"});
    fakes.runUntil(run, 20010, 10);
    EXPECT_EQ(beepsSoFar(), 3u);
}

TEST_F(TestRunTest, ChronometerKeepsCountingMinutesPastTheHour)
{
    startAt(0, 1);
    run.workingTable().setLines({});  // silence keeps the run in its first period
    fakes.runUntil(run, 65u * 60u * 1000u, 100);
    EXPECT_EQ(run.timeText(), "65:00");
    fakes.runUntil(run, 65u * 60u * 1000u + 9000u, 100);
    EXPECT_EQ(run.timeText(), "65:09");
}

TEST_F(TestRunTest, WithoutSoundTheStationBeepsAreSilentButTheWarningSounds)
{
    run.setSoundAvailable(false);
    startAt(0, 30);
    fakes.runUntil(run, 36 * 1263 + 28500, 10);
    EXPECT_EQ(run.phase(), RunPhase::Recovery);
    EXPECT_TRUE(fakes.sink.stationBeeps().empty());
    EXPECT_FALSE(fakes.sink.alertTimes().empty());
}

TEST_F(TestRunTest, NewTestResetsTheRunAndAsksAboutUnsavedResultsLast)
{
    startAt(0, 1, TestMode::EffortTest, false);
    runUntilBeeps(37 + 5);
    run.stop();
    fakes.subjects.calls.clear();
    fakes.view.calls.clear();

    run.newTest();
    EXPECT_EQ(run.phase(), RunPhase::Idle);
    EXPECT_EQ(run.timeText(), "00:00");
    EXPECT_EQ(run.beepCount(), 0);
    EXPECT_EQ(run.completedPeriods(), 0);
    EXPECT_EQ(run.highlightedCone(), 0);
    EXPECT_EQ(run.distance(), 0.0);
    EXPECT_EQ(run.currentPeriod(), 2) << "kept until the next start or preview";
    EXPECT_EQ(fakes.subjects.calls, std::vector<std::string>{"confirmUnsavedResults"});
    EXPECT_EQ(fakes.view.calls.back().name, "showReset");
}

TEST_F(TestRunTest, CommandsOutOfTheirPhaseDoNothing)
{
    fakes.configuration.mode.reset();
    run.start();
    EXPECT_EQ(run.phase(), RunPhase::Idle) << "no mode chosen";
    EXPECT_TRUE(fakes.sink.events.empty());

    startAt(0, 1);
    run.start();
    EXPECT_EQ(beepsSoFar(), 1u);
    run.newTest();
    run.previewPeriod(9);
    EXPECT_EQ(run.phase(), RunPhase::EffortPeriod);
    EXPECT_EQ(run.currentPeriod(), 1);
}

TEST_F(TestRunTest, PreviewShowsTheSpeedOfThePeriodAndKeepsTheLastLabelOutsideTheTable)
{
    run.previewPeriod(11);
    EXPECT_EQ(run.speedText(), "10,2");
    EXPECT_EQ(fakes.view.calls.back().name, "showSpeed");
    run.previewPeriod(31);
    EXPECT_EQ(run.currentPeriod(), 31);
    EXPECT_EQ(run.speedText(), "10,2");
}

TEST_F(TestRunTest, ReadingRightAfterStart)
{
    startAt(0, 1);
    const RunReading r = run.reading();
    EXPECT_EQ(r, (RunReading{"00:00", 1, 1, 0, "4,2"}));
}

}  // namespace
}  // namespace korvel
