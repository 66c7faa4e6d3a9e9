#pragma once

#include "BeepSink.h"
#include "EditionProfile.h"
#include "MillisecondClock.h"
#include "ResultRecording.h"
#include "ResultsCommands.h"
#include "ResultsFakes.h"
#include "RunConfiguration.h"
#include "RunView.h"
#include "SubjectsTable.h"
#include "TestRun.h"

#include <cstdint>

namespace korvel::testing {

// The parts of a run nobody looks at in these tests, and the operator's panel.
class Silence : public BeepSink {
public:
    void playStationBeep(std::uint32_t) override {}
    void playAlert() override {}
};

class NoDisplay : public RunView {
public:
    void showRunStarted(const TestRun&) override {}
    void showBeep(const TestRun&) override {}
    void showCone(const TestRun&) override {}
    void showDistance(const TestRun&) override {}
    void showSpeed(const TestRun&) override {}
    void showRecoveryBegun(const TestRun&) override {}
    void showRecoveryTick(const TestRun&) override {}
    void showEffortBegun(const TestRun&) override {}
    void showTime(const TestRun&) override {}
    void showStopped(const TestRun&) override {}
    void showReset(const TestRun&) override {}
};

class NoTimers : public RunTicks {
public:
    void switchTicks(TickSet) override {}
};

class Panel : public RunConfiguration {
public:
    std::optional<TestMode> testMode() const override { return mode; }
    int initialPeriod() const override { return period; }
    bool warmUpOption() const override { return warmUp; }

    std::optional<TestMode> mode;
    int period = 1;
    bool warmUp = false;
};

// Both clocks read one millisecond count that only moves when the test says so.
class SteppedClocks : public MillisecondClock, public WallClock {
public:
    explicit SteppedClocks(LocalTime origin) : origin_(origin) {}
    std::uint32_t nowMs() override { return ms; }
    LocalTime localNow() override { return origin_ + std::chrono::milliseconds(ms); }

    std::uint32_t ms = 0;

private:
    LocalTime origin_;
};

// The real engine wired to the real results side. Ticks arrive every 10 ms (station,
// recovery) and every 100 ms (chronometer), as the timers deliver them.
class RunHarness {
public:
    static constexpr std::uint32_t kTickMs = 10;
    static constexpr std::uint32_t kChronoTickMs = 100;

    explicit RunHarness(SportEdition edition, LocalTime startedAt = localTime(2015, 3, 14, 18, 30))
        : profile(profileFor(edition))
        , clocks(startedAt)
        , table(SubjectsTable::forEdition(profile))
        , commands({.editionTitle = profile.editionTitle,
                    .baseDirectory = "/korvel",
                    .initialPeriod = [this] { return panel.period; },
                    .initialSpeedText = [this] { return run.initialSpeedText(); }},
                   {.table = table, .dialogs = dialogs, .writer = writer, .wallClock = clocks})
        , run(profile, {.clock = clocks,
                        .wallClock = clocks,
                        .sound = sound,
                        .view = view,
                        .ticks = timers,
                        .configuration = panel,
                        .subjects = commands})
    {
    }

    void choose(TestMode mode, int initialPeriod, bool warmUp)
    {
        panel.mode = mode;
        panel.period = initialPeriod;
        panel.warmUp = warmUp;
    }

    // Lets time pass up to the given moment, delivering every tick that falls due.
    void runUntil(std::uint32_t ms)
    {
        while (clocks.ms + kTickMs <= ms) {
            clocks.ms += kTickMs;
            const TickSet ticks = run.ticks();
            if (ticks.station) {
                run.stationTick();
            }
            if (ticks.recovery) {
                run.recoveryTick();
            }
            if (ticks.chrono && clocks.ms % kChronoTickMs == 0) {
                run.chronoTick();
            }
        }
    }

    template <typename Condition>
    void runUntilTrue(Condition done)
    {
        while (!done()) {
            runUntil(clocks.ms + kTickMs);
        }
    }

    // The operator presses the stop button of a row.
    void press(int row) { recordResult(table, row, run.reading()); }

    EditionProfile profile;
    SteppedClocks clocks;
    Silence sound;
    NoDisplay view;
    NoTimers timers;
    Panel panel;
    SubjectsTable table;
    FakeDialogs dialogs;
    FakeWriter writer;
    ResultsCommands commands;
    TestRun run;
};

}  // namespace korvel::testing
